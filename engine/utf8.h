#pragma once
// Walking UTF-8 text, as tape text is held, by its characters.

#include <cstddef>
#include <string_view>

namespace zovrek {

/// The code point that starts at `at` in UTF-8 `text`, and where the next one starts. A byte
/// that starts no valid sequence is read as the Latin-1 character of its value.
char32_t decodeUtf8At(std::string_view text, std::size_t at, std::size_t* next);

}  // namespace zovrek
