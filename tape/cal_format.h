#pragma once
// The ".cal" tape file: one length-prefixed 8-bit string and nothing else.
//
// Length forms, little-endian: one byte below 255; 0xFF then 16 bits below 65534; 0xFF 0xFFFF
// then 32 bits. Reading also accepts 0xFF 0xFFFE, a marker for a string of 16-bit units
// (UTF-16LE) whose own length follows in the same forms. Bytes after the string are ignored.

#include <cstddef>
#include <cstdint>
#include <iosfwd>
#include <string>
#include <string_view>

namespace zovrek {

/// The longest text the 32-bit length form can hold.
inline constexpr std::uint64_t kMaxCalTextLength = 0xFFFFFFFFu;

/// What reading a ".cal" file gave.
struct CalReadResult {
    enum class Status {
        Text,     ///< a string was read into `text`
        NoText,   ///< the file holds no byte at all; the document keeps what it had
        Damaged,  ///< the file ends too early; `error` says where
    };
    Status status = Status::Damaged;
    std::string text;
    std::string error;

    bool ok() const { return status != Status::Damaged; }
};

/// The length prefix of a text of `length` bytes, in the shortest form that holds it.
/// `length` must not exceed kMaxCalTextLength.
std::string calLengthPrefix(std::uint64_t length);

/// The whole file for `text`: its prefix followed by the bytes unchanged.
std::string encodeCal(std::string_view text);

/// Writes the file for `text` to `out`. False when the text is too long for the format or
/// the stream failed; the stream then holds a partial file.
bool writeCal(std::ostream& out, std::string_view text);

/// Reads a file held in memory.
CalReadResult readCal(std::string_view bytes);

/// Reads a file from a stream up to the end of its string. Memory grows only with the bytes
/// actually read, so a prefix promising more than the stream holds costs nothing.
CalReadResult readCal(std::istream& in);

/// 16-bit characters as this program's 8-bit text: units 0x00..0xFF are kept as the byte of
/// the same value (Latin-1), every other character (a surrogate pair counts as one) becomes
/// "?". `units` holds 2 bytes per unit, low byte first; an odd last byte is ignored.
std::string narrowUtf16le(std::string_view units);

}  // namespace zovrek
