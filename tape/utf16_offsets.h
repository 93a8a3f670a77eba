#pragma once
// Offsets into a UTF-8 tape counted in UTF-16 units, as accessibility interfaces count them.
// Only the lines that hold characters beyond ASCII are listed, with how many units fewer than
// bytes the tape has up to their end. An ASCII line costs nothing, a line added at the end
// costs the same on a tape of a million lines as on an empty one, and converting an offset
// is a binary search.

#include <cstddef>
#include <string_view>
#include <vector>

namespace zovrek {

/// UTF-16 units of UTF-8 `text`, read as `decodeUtf8At` reads it (a byte that starts no
/// valid sequence is one character).
std::size_t utf16Length(std::string_view text);

/// The byte offset in `text` where the first `units` UTF-16 units end. An offset inside a
/// character (between the halves of a surrogate pair) gives the start of that character;
/// one past the end gives the end.
std::size_t utf8OffsetOfUnits(std::string_view text, std::size_t units);

class Utf16Offsets {
public:
    void clear() { lines_.clear(); }
    /// Forgets line `line` and the lines after it.
    void truncate(std::size_t line);
    /// Line `line`, after every line told so far, is `bytes` long in UTF-8.
    void addLine(std::size_t line, std::string_view bytes);

    /// Bytes less units of the lines before `line`.
    std::size_t savedBefore(std::size_t line) const;
    /// Bytes less units of every line told.
    std::size_t saved() const { return lines_.empty() ? 0 : lines_.back().savedThrough; }
    /// Where line `line` starts in units, given where it starts in bytes.
    std::size_t unitsOfLineStart(std::size_t line, std::size_t byteStart) const {
        return byteStart - savedBefore(line);
    }
    /// The line in which unit offset `units` falls, given where each line starts in bytes
    /// (ascending, the first at 0).
    std::size_t lineOfUnits(std::size_t units, const std::vector<std::size_t>& lineStarts) const;

private:
    struct Line {
        std::size_t line;
        std::size_t savedThrough;  // bytes less units up to this line's end
    };
    std::vector<Line> lines_;  // by line; only lines beyond ASCII
};

}  // namespace zovrek
