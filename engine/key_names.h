#pragma once
// Names of the keypad keys for scripts: one character per key for digits, point and the
// operators, and words for the rest.

#include <optional>
#include <string_view>
#include <vector>

namespace zovrek {

/// The command of a key character "0123456789.+-*/=%", if it is one.
std::optional<int> keyOfChar(char c);

/// The command of a key name (case-insensitive): C, CE, CA, BACK, NEG, SQRT, SQR, INV, MC,
/// MR, M+, M-, MSEL, DIGITUP, CALC, ADDING.
std::optional<int> keyOfName(std::string_view name);

/// The commands of a token: a run of key characters is one key each, any other token is
/// one key name. Empty when the token is neither.
std::vector<int> keysOfToken(std::string_view token);

}  // namespace zovrek
