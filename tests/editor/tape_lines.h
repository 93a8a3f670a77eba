#pragma once
// Builds tape texts line by line for the editor's tests.

#include <initializer_list>
#include <string>
#include <string_view>

namespace zovrek::test {

/// Each line followed by "\r\n", as the calculator writes them.
inline std::string tape(std::initializer_list<std::string_view> lines) {
    std::string text;
    for (std::string_view line : lines) {
        text.append(line);
        text.append("\r\n");
    }
    return text;
}

}  // namespace zovrek::test
