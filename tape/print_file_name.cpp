#include "print_file_name.h"

namespace zovrek {
namespace {

// Room for an extension within the 255 bytes a file name may have.
constexpr std::size_t kMaxNameBytes = 240;

bool isContinuation(char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }

}  // namespace

std::string printFileName(std::string_view title) {
    std::string name;
    name.reserve(title.size());
    for (const char c : title) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '/') {
            name += '-';
        } else if (byte >= 0x20 && byte != 0x7F) {
            name += c;
        }
    }
    const std::size_t first = name.find_first_not_of(" .");
    if (first == std::string::npos) return {};
    name.erase(0, first);
    if (name.size() > kMaxNameBytes) {
        std::size_t cut = kMaxNameBytes;
        while (cut > 0 && isContinuation(name[cut])) --cut;
        name.resize(cut);
    }
    name.erase(name.find_last_not_of(' ') + 1);
    return name;
}

}  // namespace zovrek
