#pragma once
// Walking UTF-8 text, as tape text is held, by its characters, and the conversions from the
// 8-bit and 16-bit forms older tape files hold. A byte that starts no valid sequence is read
// everywhere as the Latin-1 character of its value, so nothing a tape holds is ever dropped.

#include <cstddef>
#include <string>
#include <string_view>

namespace zovrek {

/// The code point that starts at `at` in UTF-8 `text`, and where the next one starts. A byte
/// that starts no valid sequence is read as the Latin-1 character of its value.
char32_t decodeUtf8At(std::string_view text, std::size_t at, std::size_t* next);

/// Where the character that ends at `end` in UTF-8 `text` starts (`end` > 0): a lone byte
/// that is no part of a valid sequence is a character of its own.
std::size_t previousCharacterStart(std::string_view text, std::size_t end);

/// Appends `c` in UTF-8; a surrogate or a value beyond U+10FFFF becomes U+FFFD.
void appendUtf8(std::string& out, char32_t c);

/// Where the first byte beyond ASCII at or after `from` is; the size of `text` for none.
std::size_t firstNonAscii(std::string_view text, std::size_t from = 0);

/// Whether `text` is valid UTF-8 throughout.
bool isUtf8(std::string_view text);

/// Each byte of `text` as the Latin-1 character of its value, in UTF-8.
std::string utf8FromLatin1(std::string_view text);

/// `text` as valid UTF-8: itself when it is, else each byte that starts no valid sequence
/// as the Latin-1 character of its value.
std::string toValidUtf8(std::string_view text);

/// UTF-16LE code units, 2 bytes each (an odd last byte is ignored), as UTF-8; a surrogate
/// without its partner becomes U+FFFD.
std::string utf8FromUtf16le(std::string_view units);

}  // namespace zovrek
