#include "recovery_log.h"

namespace zovrek {
namespace {

constexpr std::size_t kRecordHead = 9;  // kind, length, checksum
// The header of the files of earlier versions, which held only 'T' and 'N' records.
constexpr std::string_view kFirstHeader = "ZOVREK recovery 1\n";
// Bytes a search for the record after damage may hash: a crafted file must not hang it.
constexpr std::size_t kSearchBudget = std::size_t{64} << 20;

std::uint32_t fnv1a(std::uint32_t hash, std::string_view bytes) {
    for (const char c : bytes) {
        hash ^= static_cast<unsigned char>(c);
        hash *= 16777619u;
    }
    return hash;
}

template <typename Word>
void putWord(std::string& out, Word value) {
    for (std::size_t i = 0; i < sizeof(Word); ++i)
        out += static_cast<char>((value >> (8 * i)) & 0xFF);
}

template <typename Word>
Word getWord(std::string_view bytes) {
    Word value = 0;
    for (std::size_t i = sizeof(Word); i-- > 0;)
        value = static_cast<Word>((value << 8) | static_cast<unsigned char>(bytes[i]));
    return value;
}

std::uint32_t checksum(std::string_view kindAndLength, std::string_view payload) {
    return fnv1a(fnv1a(2166136261u, kindAndLength), payload);
}

bool isKind(char c) { return c == 'T' || c == 'N' || c == 'F' || c == 'C'; }

std::size_t declaredLength(std::string_view bytes, std::size_t at) {
    return getWord<std::uint32_t>(bytes.substr(at + 1, 4));
}

// Whether a record that reads whole starts at `at`.
bool wholeRecordAt(std::string_view bytes, std::size_t at) {
    if (bytes.size() - at < kRecordHead || !isKind(bytes[at])) return false;
    const std::size_t length = declaredLength(bytes, at);
    if (length > bytes.size() - at - kRecordHead) return false;
    return checksum(bytes.substr(at, 5), bytes.substr(at + kRecordHead, length)) ==
           getWord<std::uint32_t>(bytes.substr(at + 5, 4));
}

// Where the first record that reads whole starts after the damaged one at `at`: where its
// own length points when a record (or the end) is there, else the first such place.
std::size_t nextWholeRecord(std::string_view bytes, std::size_t at) {
    const std::size_t start = at + kRecordHead;
    const std::size_t length = declaredLength(bytes, at);
    if (length <= bytes.size() - start &&
        (start + length == bytes.size() || wholeRecordAt(bytes, start + length)))
        return start + length;
    std::size_t budget = kSearchBudget;
    for (std::size_t p = start; bytes.size() - p >= kRecordHead; ++p) {
        if (!isKind(bytes[p])) continue;
        const std::size_t candidate = declaredLength(bytes, p);
        if (candidate > bytes.size() - p - kRecordHead) continue;
        if (candidate > budget) break;
        budget -= candidate;
        if (wholeRecordAt(bytes, p)) return p;
    }
    return bytes.size();
}

// Applies a record that read whole; false when it makes no sense where it stands.
bool apply(RecoveryLog& log, char kind, std::string_view payload) {
    switch (kind) {
    case 'T': log.added += payload; return true;
    case 'N': log.name = std::string(payload); return true;
    case 'C': {
        if (payload.size() != 8) return false;
        const auto length = getWord<std::uint64_t>(payload);
        if (length > log.size()) return false;
        if (length <= log.keptOfBase) {
            log.keptOfBase = length;
            log.added.clear();
        } else {
            log.added.resize(static_cast<std::size_t>(length - log.keptOfBase));
        }
        return true;
    }
    case 'F': {
        if (payload.size() < 16) return false;
        TapeBase base;
        base.length = getWord<std::uint64_t>(payload);
        base.hash = getWord<std::uint64_t>(payload.substr(8));
        base.file = std::string(payload.substr(16));
        if (base.file.empty()) return false;
        log.name = base.file;
        log.base = std::move(base);
        log.keptOfBase = log.base->length;
        log.added.clear();
        return true;
    }
    default: return false;
    }
}

// The damaged record at `at`: tape text is taken as far as its bytes go, up to the next
// record that reads whole, where reading goes on. Returns where, or npos to stop here.
std::size_t salvage(RecoveryLog& log, std::string_view bytes, std::size_t at) {
    if (bytes.size() - at < kRecordHead) return std::string_view::npos;
    const char kind = bytes[at];
    // A record of another kind can't be passed over: what follows depends on it.
    if (kind != 'T' && kind != 'N') return std::string_view::npos;
    const std::size_t next = nextWholeRecord(bytes, at);
    if (kind == 'N') {
        // The document's name is lost, not the tape: it is untitled again.
        log.name.clear();
        return next;
    }
    const std::size_t start = at + kRecordHead;
    const std::size_t length = declaredLength(bytes, at);
    const std::string_view payload = bytes.substr(start, next - start);
    if (payload.size() >= length) {
        // Whole, but some bit of it is wrong: offered as it stands.
        log.added += payload.substr(0, length);
    } else if (const std::size_t lineEnd = payload.rfind('\n');
               lineEnd != std::string_view::npos) {
        // Cut short: up to its last whole line.
        log.added += payload.substr(0, lineEnd + 1);
    }
    return next;
}

std::uint64_t load64(const unsigned char* p) {
    std::uint64_t value = 0;
    for (int i = 7; i >= 0; --i) value = (value << 8) | p[i];
    return value;
}

}  // namespace

std::string recoveryHeader(char state) {
    std::string header(kRecoveryMagic);
    header += state;
    header += '\n';
    return header;
}

void appendRecoveryRecord(std::string& out, char kind, std::string_view payload) {
    const std::size_t start = out.size();
    out += kind;
    putWord(out, static_cast<std::uint32_t>(payload.size()));
    const std::uint32_t check = checksum(std::string_view(out).substr(start, 5), payload);
    putWord(out, check);
    out += payload;
}

std::uint64_t tapeHash(std::string_view text) {
    // Each step is a bijection of the state for a given word, so two texts of one length
    // that differ in a single word always differ here.
    std::uint64_t h = 0x243F6A8885A308D3u ^ text.size();
    const auto mix = [&h](std::uint64_t word) {
        h = (h ^ word) * 0x9E3779B97F4A7C15u;
        h ^= h >> 32;
    };
    const auto* p = reinterpret_cast<const unsigned char*>(text.data());
    std::size_t i = 0;
    for (; text.size() - i >= 8; i += 8) mix(load64(p + i));
    if (i < text.size()) {
        unsigned char last[8] = {};
        for (std::size_t k = 0; i + k < text.size(); ++k) last[k] = p[i + k];
        mix(load64(last));
    }
    return h;
}

void appendBaseRecord(std::string& out, const TapeBase& base) {
    std::string payload;
    putWord(payload, base.length);
    putWord(payload, base.hash);
    payload += base.file.native();
    appendRecoveryRecord(out, 'F', payload);
}

void appendCutRecord(std::string& out, std::uint64_t length) {
    std::string payload;
    putWord(payload, length);
    appendRecoveryRecord(out, 'C', payload);
}

std::size_t recoveryChunkEnd(std::string_view text, std::size_t limit) {
    if (text.size() <= limit) return text.size();
    const std::size_t lineEnd = text.rfind('\n', limit - 1);
    return lineEnd == std::string_view::npos ? limit : lineEnd + 1;
}

RecoveryLog readRecoveryLog(std::string_view bytes) {
    RecoveryLog log;
    std::size_t at = kRecoveryHeaderSize;
    const char state = bytes.size() >= kRecoveryHeaderSize ? bytes[kRecoveryStateAt] : '\0';
    if (bytes.starts_with(kFirstHeader)) {
        at = kFirstHeader.size();
    } else if (bytes.starts_with(kRecoveryMagic) && bytes.size() >= kRecoveryHeaderSize &&
               bytes[kRecoveryHeaderSize - 1] == '\n' &&
               (state == kRecoveryKeptUp || state == kRecoveryBehind)) {
        log.behind = state == kRecoveryBehind;
    } else {
        // A damaged header: the records after it may still be whole, and if the first is,
        // the file is ours.
        log.damaged = true;
        if (bytes.size() < at || !wholeRecordAt(bytes, at)) return log;
    }
    while (at < bytes.size()) {
        if (wholeRecordAt(bytes, at)) {
            const std::size_t length = declaredLength(bytes, at);
            if (!apply(log, bytes[at], bytes.substr(at + kRecordHead, length))) {
                log.damaged = true;
                break;
            }
            at += kRecordHead + length;
            continue;
        }
        log.damaged = true;
        at = salvage(log, bytes, at);
        if (at == std::string_view::npos) break;
    }
    return log;
}

}  // namespace zovrek
