#include "marked_line.h"

#include <algorithm>

namespace zovrek {

MarkedLine::MarkedLine(std::string_view stored, const NumberMarks& marks)
    : stored_(stored), marks_(&marks), same_(marks.plain()) {
    if (same_) return;
    shown_ = markTapeLine(stored, marks);
    same_ = shown_ == stored;
}

void MarkedLine::step(std::size_t i, std::size_t j, std::size_t* di, std::size_t* dj) const {
    const std::string_view shown = shown_;
    const std::string& decimal = marks_->decimal;
    const std::string& group = marks_->group;
    *di = 1;
    *dj = 1;
    if (stored_[i] == shown[j]) return;
    if (stored_[i] == '.' && shown.compare(j, decimal.size(), decimal) == 0) {
        *dj = decimal.size();
    } else if (!group.empty() && shown.compare(j, group.size(), group) == 0) {
        *di = 0;
        *dj = group.size();
    }
}

std::size_t MarkedLine::shownColumn(std::size_t column) const {
    if (same_) return column;
    std::size_t i = 0, j = 0;
    while (i < column && i < stored_.size() && j < shown_.size()) {
        std::size_t di = 0, dj = 0;
        step(i, j, &di, &dj);
        i += di;
        j += dj;
    }
    return std::min(j + (column > i ? column - i : 0), shown_.size());
}

std::size_t MarkedLine::storedColumn(std::size_t column) const {
    if (same_) return column;
    std::size_t i = 0, j = 0;
    while (j < column && i < stored_.size() && j < shown_.size()) {
        std::size_t di = 0, dj = 0;
        step(i, j, &di, &dj);
        if (j + dj > column) return i;
        i += di;
        j += dj;
    }
    return std::min(i + (column > j ? column - j : 0), stored_.size());
}

}  // namespace zovrek
