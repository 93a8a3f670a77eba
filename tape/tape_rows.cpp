#include "tape_rows.h"

#include <algorithm>

namespace zovrek {

void TapeRows::truncate(std::size_t line) {
    const auto it = std::lower_bound(wrapped_.begin(), wrapped_.end(), line,
                                     [](const Wrapped& w, std::size_t l) { return w.line < l; });
    wrapped_.erase(it, wrapped_.end());
}

void TapeRows::setRows(std::size_t line, std::size_t rows) {
    if (rows > 1) wrapped_.push_back({line, firstRow(line), rows});
}

std::size_t TapeRows::rowsOf(std::size_t line) const {
    const auto it = std::lower_bound(wrapped_.begin(), wrapped_.end(), line,
                                     [](const Wrapped& w, std::size_t l) { return w.line < l; });
    return it != wrapped_.end() && it->line == line ? it->rows : 1;
}

std::size_t TapeRows::firstRow(std::size_t line) const {
    const auto it = std::lower_bound(wrapped_.begin(), wrapped_.end(), line,
                                     [](const Wrapped& w, std::size_t l) { return w.line < l; });
    return it == wrapped_.begin() ? line : line + std::prev(it)->extraAfter();
}

TapeRows::Position TapeRows::at(std::size_t row) const {
    const auto it = std::upper_bound(wrapped_.begin(), wrapped_.end(), row,
                                     [](std::size_t r, const Wrapped& w) { return r < w.firstRow; });
    if (it == wrapped_.begin()) return {row, 0};
    const Wrapped& w = *std::prev(it);
    if (row < w.firstRow + w.rows) return {w.line, row - w.firstRow};
    return {row - w.extraAfter(), 0};
}

std::size_t TapeRows::rowCount(std::size_t lines) const {
    return wrapped_.empty() ? lines : lines + wrapped_.back().extraAfter();
}

}  // namespace zovrek
