#include "key_names.h"

#include "command_ids.h"

namespace zovrek {
namespace {

struct NamedKey {
    std::string_view name;
    int id;
};

constexpr NamedKey kNames[] = {
    {"C", cmd::Clear},         {"CE", cmd::ClearEntry},       {"CA", cmd::ClearAll},
    {"BACK", cmd::Back},       {"NEG", cmd::PlusMinus},       {"SQRT", cmd::Sqrt},
    {"SQR", cmd::Squared},     {"INV", cmd::Invert},          {"MC", cmd::MemoryClear},
    {"MR", cmd::MemoryRecall}, {"M+", cmd::MemoryPlus},       {"M-", cmd::MemoryMinus},
    {"MSEL", cmd::MemorySelect}, {"DIGITUP", cmd::DigitUp},   {"CALC", cmd::CalculatorMode},
    {"ADDING", cmd::AddingMachineMode},
};

bool sameNoCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        char c = a[i];
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
        if (c != b[i]) return false;
    }
    return true;
}

}  // namespace

std::optional<int> keyOfChar(char c) {
    constexpr int kDigits[10] = {cmd::Zero, cmd::One, cmd::Two,   cmd::Three, cmd::Four,
                                 cmd::Five, cmd::Six, cmd::Seven, cmd::Eight, cmd::Nine};
    if (c >= '0' && c <= '9') return kDigits[c - '0'];
    switch (c) {
        case '.': return cmd::Decimal;
        case '+': return cmd::Plus;
        case '-': return cmd::Minus;
        case '*': return cmd::Times;
        case '/': return cmd::Divide;
        case '=': return cmd::Equal;
        case '%': return cmd::Percent;
        default: return std::nullopt;
    }
}

std::optional<int> keyOfName(std::string_view name) {
    for (const auto& k : kNames)
        if (sameNoCase(name, k.name)) return k.id;
    return std::nullopt;
}

std::vector<int> keysOfToken(std::string_view token) {
    std::vector<int> keys;
    for (const char c : token) {
        const auto key = keyOfChar(c);
        if (!key) {
            keys.clear();
            break;
        }
        keys.push_back(*key);
    }
    if (!keys.empty()) return keys;
    if (const auto key = keyOfName(token)) keys.push_back(*key);
    return keys;
}

}  // namespace zovrek
