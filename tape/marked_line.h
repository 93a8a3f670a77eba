#pragma once
// A tape line as drawn with number marks, and the way between its columns and those of the
// line as stored: the caret and the selection stay on the stored text, the rows and their
// pixels come from what is drawn.

#include <cstddef>
#include <string>
#include <string_view>

#include "engine/number_marks.h"

namespace zovrek {

class MarkedLine {
public:
    /// `stored` must outlive this object.
    MarkedLine(std::string_view stored, const NumberMarks& marks);

    /// The line as drawn: the stored line itself when it has nothing to mark.
    std::string_view shown() const { return same_ ? stored_ : std::string_view(shown_); }
    /// Where stored column `column` is drawn (before a group mark that follows it).
    std::size_t shownColumn(std::size_t column) const;
    /// The stored column of drawn column `column`; inside a group mark, the digit after it,
    /// inside a decimal mark of several bytes, the point.
    std::size_t storedColumn(std::size_t column) const;

private:
    // One step of the walk along both texts: how far each advances.
    void step(std::size_t i, std::size_t j, std::size_t* di, std::size_t* dj) const;

    std::string_view stored_;
    std::string shown_;
    const NumberMarks* marks_;
    bool same_;
};

}  // namespace zovrek
