#pragma once
// The bytes of a recovery file: the working tape as a log that only grows while the tape
// grows, so a key never costs a rewrite of the whole tape.
//
// A header line, then records: a kind byte ('T' tape text to append, 'N' the document's file
// name, empty for an untitled tape), the payload length (32 bits, little-endian), an FNV-1a
// checksum of the kind, length and payload (32 bits, little-endian), then the payload.

#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>

namespace zovrek {

inline constexpr std::string_view kRecoveryHeader = "ZOVREK recovery 1\n";
/// A tape written whole is cut into records of at most this many bytes (at line ends where
/// it can), so damage in one costs the lines after it, not the whole tape.
inline constexpr std::size_t kRecoveryChunk = std::size_t{1} << 20;

/// The record of `payload`, appended to `out`.
void appendRecoveryRecord(std::string& out, char kind, std::string_view payload);

/// `text` as tape records of at most kRecoveryChunk bytes each, cut after a line feed when
/// the chunk holds one; hands each record's bytes to `take` until it returns false.
template <typename Take>
void forEachTapeRecord(std::string_view text, Take&& take);

/// What a recovery file gave back.
struct RecoveredTape {
    std::string text;            ///< the tape as far as it could be read
    std::filesystem::path name;  ///< the document's file; empty for an untitled tape
    bool damaged = false;        ///< bytes past the readable part were dropped

    bool hasTape() const { return !text.empty(); }
};

/// Reads the records up to the first one that is cut short or fails its checksum. Never
/// fails: a file that is no recovery file at all gives an empty, damaged result.
RecoveredTape readRecoveryLog(std::string_view bytes);

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
