#pragma once
// The bytes of a recovery file: the working tape as a log of its changes, so a key costs one
// small record however long the tape is, and a tape read from a file is named, not copied.
//
// A header line ending in the file's state ('k': it kept up with the tape at its last write;
// 'b': a write failed and it fell behind), then records: a kind byte, the payload length
// (32 bits, little-endian), an FNV-1a checksum of the kind, length and payload (32 bits,
// little-endian), then the payload:
//   'F' the tape became the text of a file: text length (64 bits), text hash (64 bits), path
//   'T' text added at the tape's end
//   'C' the tape cut to its first N bytes (64 bits)
//   'N' the document's file name, empty for an untitled tape

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace zovrek {

inline constexpr std::string_view kRecoveryMagic = "ZOVREK recovery 2 ";
/// Where the state byte is: it is rewritten in place, so marking a file behind needs no
/// room on a full disk.
inline constexpr std::size_t kRecoveryStateAt = kRecoveryMagic.size();
inline constexpr std::size_t kRecoveryHeaderSize = kRecoveryMagic.size() + 2;
inline constexpr char kRecoveryKeptUp = 'k';
inline constexpr char kRecoveryBehind = 'b';
/// A tape written whole is cut into records of at most this many bytes (at line ends where
/// it can), so damage in one costs the lines after it, not the whole tape.
inline constexpr std::size_t kRecoveryChunk = std::size_t{1} << 20;

/// The header line of a file in `state`.
std::string recoveryHeader(char state);

/// The record of `payload`, appended to `out`.
void appendRecoveryRecord(std::string& out, char kind, std::string_view payload);

/// A file whose text the tape began as, and how to know it again.
struct TapeBase {
    std::filesystem::path file;
    std::uint64_t length = 0;  ///< bytes of the text
    std::uint64_t hash = 0;    ///< tapeHash of the text

    friend bool operator==(const TapeBase&, const TapeBase&) = default;
};

/// A 64-bit hash of a tape text, the same on every machine and in every version.
std::uint64_t tapeHash(std::string_view text);

void appendBaseRecord(std::string& out, const TapeBase& base);
void appendCutRecord(std::string& out, std::uint64_t length);

/// `text` as tape records of at most kRecoveryChunk bytes each, cut after a line feed when
/// the chunk holds one; hands each record's bytes to `take` until it returns false.
template <typename Take>
void forEachTapeRecord(std::string_view text, Take&& take);

/// What a recovery file says the tape is: the first `keptOfBase` bytes of the base file's
/// text (none without a base), then `added`.
struct RecoveryLog {
    std::optional<TapeBase> base;
    std::uint64_t keptOfBase = 0;
    std::string added;
    std::filesystem::path name;  ///< the document's file; empty for an untitled tape
    bool damaged = false;  ///< some bytes could not be read: the tape may lack its end
    bool behind = false;   ///< its program could not write its last changes

    std::uint64_t size() const { return keptOfBase + added.size(); }
    /// The tape is not the text of a file: a crash would lose it.
    bool unsaved() const {
        return size() > 0 && !(base && keptOfBase == base->length && added.empty());
    }
    bool complete() const { return !damaged && !behind; }
};

/// Reads the records in order. A record that is cut short or fails its checksum is not
/// the end: a tape record's bytes are taken as far as they go (one cut short up to its last
/// whole line), a name record costs only the name, and reading goes on at the next record
/// that reads whole. Never fails: bytes that are no recovery file give an empty, damaged log.
RecoveryLog readRecoveryLog(std::string_view bytes);

/// Where `text` may be cut so the first part holds at most `limit` bytes: after the last
/// line feed within the limit, else at the limit.
std::size_t recoveryChunkEnd(std::string_view text, std::size_t limit);

template <typename Take>
void forEachTapeRecord(std::string_view text, Take&& take) {
    std::string record;
    while (!text.empty()) {
        const std::size_t cut = recoveryChunkEnd(text, kRecoveryChunk);
        record.clear();
        appendRecoveryRecord(record, 'T', text.substr(0, cut));
        if (!take(std::string_view(record))) return;
        text.remove_prefix(cut);
    }
}

}  // namespace zovrek
