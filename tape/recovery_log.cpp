#include "recovery_log.h"

#include <cstdint>

namespace zovrek {
namespace {

constexpr std::size_t kRecordHead = 9;  // kind, length, checksum

std::uint32_t fnv1a(std::uint32_t hash, std::string_view bytes) {
    for (const char c : bytes) {
        hash ^= static_cast<unsigned char>(c);
        hash *= 16777619u;
    }
    return hash;
}

void putUint32(std::string& out, std::uint32_t value) {
    for (int i = 0; i < 4; ++i) out += static_cast<char>((value >> (8 * i)) & 0xFF);
}

std::uint32_t getUint32(std::string_view bytes) {
    std::uint32_t value = 0;
    for (int i = 3; i >= 0; --i)
        value = (value << 8) | static_cast<unsigned char>(bytes[static_cast<std::size_t>(i)]);
    return value;
}

std::uint32_t checksum(std::string_view kindAndLength, std::string_view payload) {
    return fnv1a(fnv1a(2166136261u, kindAndLength), payload);
}

}  // namespace

void appendRecoveryRecord(std::string& out, char kind, std::string_view payload) {
    const std::size_t start = out.size();
    out += kind;
    putUint32(out, static_cast<std::uint32_t>(payload.size()));
    const std::uint32_t check = checksum(std::string_view(out).substr(start, 5), payload);
    putUint32(out, check);
    out += payload;
}

std::size_t recoveryChunkEnd(std::string_view text, std::size_t limit) {
    if (text.size() <= limit) return text.size();
    const std::size_t lineEnd = text.rfind('\n', limit - 1);
    return lineEnd == std::string_view::npos ? limit : lineEnd + 1;
}

RecoveredTape readRecoveryLog(std::string_view bytes) {
    RecoveredTape r;
    if (!bytes.starts_with(kRecoveryHeader)) {
        r.damaged = true;
        return r;
    }
    bytes.remove_prefix(kRecoveryHeader.size());
    while (!bytes.empty()) {
        if (bytes.size() < kRecordHead) break;
        const std::size_t length = getUint32(bytes.substr(1, 4));
        if (length > bytes.size() - kRecordHead) break;
        const std::string_view payload = bytes.substr(kRecordHead, length);
        if (checksum(bytes.substr(0, 5), payload) != getUint32(bytes.substr(5, 4))) break;
        if (bytes[0] == 'T')
            r.text += payload;
        else if (bytes[0] == 'N')
            r.name = std::string(payload);
        else
            break;
        bytes.remove_prefix(kRecordHead + length);
    }
    r.damaged = !bytes.empty();
    return r;
}

}  // namespace zovrek
