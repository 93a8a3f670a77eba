#include "tape_xlsx.h"

#include <xlsxwriter.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <charconv>
#include <cstdio>
#include <fstream>
#include <map>
#include <memory>
#include <string>
#include <unistd.h>

#include "engine/utf8.h"
#include "tape_csv.h"

namespace zovrek {
namespace {

constexpr std::array<const char*, 5> kHeader = {"line", "note", "entry", "value", "kind"};
constexpr lxw_row_t kRowsPerSheet = LXW_ROW_MAX;  // the header included
constexpr double kWidestColumn = 80;

std::size_t charactersIn(std::string_view utf8) {
    return static_cast<std::size_t>(std::count_if(utf8.begin(), utf8.end(), [](char c) {
        return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    }));
}

// "1200.00" is shown with two places, "15." with none; exponent forms as the sheet likes.
std::string numberFormatOf(std::string_view value) {
    if (value.find_first_of("eE") != std::string_view::npos) return "General";
    const std::size_t point = value.find('.');
    const std::size_t places = point == std::string_view::npos ? 0 : value.size() - point - 1;
    return places == 0 ? "0" : "0." + std::string(places, '0');
}

class Workbook {
public:
    Workbook(const std::string& file, lxw_workbook_options* options)
        : book_(workbook_new_opt(file.c_str(), options)) {}
    ~Workbook() {
        if (book_) workbook_close(book_);
    }
    Workbook(const Workbook&) = delete;
    Workbook& operator=(const Workbook&) = delete;

    bool ok() const { return book_ != nullptr; }
    lxw_error close() {
        lxw_workbook* book = book_;
        book_ = nullptr;
        return workbook_close(book);
    }
    lxw_workbook* get() const { return book_; }

private:
    lxw_workbook* book_;
};

class TapeSheets {
public:
    explicit TapeSheets(lxw_workbook* book) : book_(book) {
        bold_ = workbook_add_format(book_);
        format_set_bold(bold_);
    }

    lxw_error add(const TapeCsvRow& row) {
        if (!sheet_ || row_ == kRowsPerSheet) {
            if (lxw_error e = finishSheet(); e != LXW_NO_ERROR) return e;
            if (lxw_error e = startSheet(); e != LXW_NO_ERROR) return e;
        }
        // The workbook library wants valid UTF-8: a stray byte goes as its Latin-1 character.
        const std::string note = toValidUtf8(row.note);
        const std::string entry = toValidUtf8(row.entry);
        lxw_error e = worksheet_write_number(sheet_, row_, 0, static_cast<double>(row.line), nullptr);
        if (e == LXW_NO_ERROR && !note.empty()) e = writeText(1, note);
        if (e == LXW_NO_ERROR && !entry.empty()) e = writeText(2, entry);
        if (e == LXW_NO_ERROR && !row.value.empty()) e = writeValue(row.value);
        if (e == LXW_NO_ERROR) e = writeText(4, std::string(row.kind));
        widen(0, charactersIn(std::to_string(row.line)));
        ++row_;
        return e;
    }

    lxw_error finishSheet() {
        if (!sheet_) return LXW_NO_ERROR;
        for (lxw_col_t c = 0; c < widths_.size(); ++c) {
            const double width = std::min(kWidestColumn, widths_[c] + 2);
            if (lxw_error e = worksheet_set_column(sheet_, c, c, width, nullptr); e != LXW_NO_ERROR)
                return e;
        }
        return LXW_NO_ERROR;
    }

private:
    lxw_error startSheet() {
        ++sheets_;
        const std::string name = sheets_ == 1 ? "Tape" : "Tape " + std::to_string(sheets_);
        sheet_ = workbook_add_worksheet(book_, name.c_str());
        if (!sheet_) return LXW_ERROR_MEMORY_MALLOC_FAILED;
        row_ = 0;
        widths_.fill(0);
        for (lxw_col_t c = 0; c < kHeader.size(); ++c) {
            if (lxw_error e = worksheet_write_string(sheet_, 0, c, kHeader[c], bold_); e != LXW_NO_ERROR)
                return e;
            widen(c, std::string_view(kHeader[c]).size());
        }
        worksheet_freeze_panes(sheet_, 1, 0);
        row_ = 1;
        return LXW_NO_ERROR;
    }

    // A string cell: the sheet shows the text and never reads it as a formula.
    lxw_error writeText(lxw_col_t column, const std::string& text) {
        widen(column, charactersIn(text));
        return worksheet_write_string(sheet_, row_, column, text.c_str(), nullptr);
    }

    lxw_error writeValue(std::string_view value) {
        double number = 0;
        const char* first = value.data();
        const char* last = first + value.size();
        if (first != last && *first == '+') ++first;
        const auto [end, ec] = std::from_chars(first, last, number);
        if (ec != std::errc() || end != last) return writeText(3, std::string(value));
        widen(3, value.size());
        return worksheet_write_number(sheet_, row_, 3, number, formatFor(value));
    }

    lxw_format* formatFor(std::string_view value) {
        const std::string pattern = numberFormatOf(value);
        auto [it, added] = formats_.try_emplace(pattern, nullptr);
        if (added) {
            it->second = workbook_add_format(book_);
            format_set_num_format(it->second, pattern.c_str());
        }
        return it->second;
    }

    void widen(lxw_col_t column, std::size_t characters) {
        widths_[column] = std::max(widths_[column], static_cast<double>(characters));
    }

    lxw_workbook* book_;
    lxw_format* bold_ = nullptr;
    lxw_worksheet* sheet_ = nullptr;
    lxw_row_t row_ = 0;
    int sheets_ = 0;
    std::array<double, kHeader.size()> widths_{};
    std::map<std::string, lxw_format*> formats_;
};

// The library writes to a file name: a private temporary one, copied into place atomically.
class TemporaryFile {
public:
    TemporaryFile() {
        std::string pattern = (std::filesystem::temp_directory_path() / "zovrek-xlsx-XXXXXX").string();
        const int fd = mkstemp(pattern.data());
        if (fd >= 0) {
            ::close(fd);
            path_ = pattern;
        }
    }
    ~TemporaryFile() {
        if (!path_.empty()) std::remove(path_.c_str());
    }
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;

    const std::string& path() const { return path_; }

private:
    std::string path_;
};

std::string messageFor(lxw_error error) {
    if (error == LXW_ERROR_MAX_STRING_LENGTH_EXCEEDED)
        return "A line of the tape is longer than a spreadsheet cell holds (32,767 characters).";
    return std::string("The workbook could not be written: ") + lxw_strerror(error) + ".";
}

}  // namespace

FileResult writeTapeXlsx(const std::filesystem::path& target, std::string_view tape) {
    TemporaryFile temporary;
    if (temporary.path().empty())
        return FileResult::failure("No temporary file could be made for the workbook.");
    {
        // Rows go straight to disk: a tape of a million lines needs little memory.
        lxw_workbook_options options{};
        options.constant_memory = LXW_TRUE;
        Workbook book(temporary.path(), &options);
        if (!book.ok()) return FileResult::failure("The workbook could not be started.");
        TapeSheets sheets(book.get());
        lxw_error error = LXW_NO_ERROR;
        forEachTapeCsvRow(tape, [&](const TapeCsvRow& row) {
            if (error == LXW_NO_ERROR) error = sheets.add(row);
        });
        if (error == LXW_NO_ERROR) error = sheets.finishSheet();
        const lxw_error closed = book.close();
        if (error == LXW_NO_ERROR) error = closed;
        if (error != LXW_NO_ERROR) return FileResult::failure(messageFor(error));
    }
    std::ifstream in(temporary.path(), std::ios::binary);
    if (!in) return FileResult::failure("The workbook could not be read back.");
    return writeFileAtomically(target, [&](std::ostream& out) {
        out << in.rdbuf();
        return static_cast<bool>(out) && !in.bad();
    });
}

}  // namespace zovrek
