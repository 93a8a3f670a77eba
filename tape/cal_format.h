#pragma once
// The ".cal" tape file: one length-prefixed 8-bit string and nothing else.
//
// Length forms, little-endian: one byte below 255; 0xFF then 16 bits below 65534; 0xFF 0xFFFF
// then 32 bits. Reading also accepts 0xFF 0xFFFE, a marker for a string of 16-bit units
// (UTF-16LE) whose own length follows in the same forms. Bytes after the string are ignored.
//
// Tape text in memory is UTF-8. A file holds it one byte a character (Latin-1), as every
// tape file before held it, whenever each character fits in a byte; otherwise as UTF-8.
// Reading takes the string as UTF-8 when it is valid UTF-8, else as Latin-1.

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

/// The length prefix of a string of `length` bytes, in the shortest form that holds it.
/// `length` must not exceed kMaxCalTextLength.
std::string calLengthPrefix(std::uint64_t length);

/// The string a file holds for tape text `text`: one byte a character when every character
/// is U+0000..U+00FF, unless those bytes would read back as other text (they happen to be
/// valid UTF-8); else UTF-8. A byte of `text` that starts no valid UTF-8 sequence counts as
/// the Latin-1 character of its value. The result is `text` itself or is kept in `storage`.
std::string_view calString(std::string_view text, std::string& storage);

/// The tape text (UTF-8) of a file's string: itself when valid UTF-8, else read as Latin-1.
std::string tapeTextOfCalString(std::string bytes);

/// The whole file for `text`: the prefix and the string.
std::string encodeCal(std::string_view text);

/// Writes a file holding `string` (already in the file's form, see calString) to `out`.
/// False when it is too long for the format or the stream failed; the stream then holds a
/// partial file.
bool writeCalString(std::ostream& out, std::string_view string);

/// Writes the file for tape text `text` to `out`, as writeCalString does.
bool writeCal(std::ostream& out, std::string_view text);

/// Reads a file held in memory; the text comes out as UTF-8.
CalReadResult readCal(std::string_view bytes);

/// Reads a file from a stream up to the end of its string. Memory grows only with the bytes
/// actually read, so a prefix promising more than the stream holds costs nothing.
CalReadResult readCal(std::istream& in);

}  // namespace zovrek
