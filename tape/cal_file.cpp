#include "cal_file.h"

#include <cerrno>
#include <cstring>
#include <fstream>

namespace zovrek {
namespace {

// Built by appending: GCC 12 at -O3 wrongly warns (-Wrestrict) on `"\"" + std::string`.
std::string failure(std::string_view verb, const std::filesystem::path& path,
                    std::string_view reason) {
    std::string text = "Could not ";
    text += verb;
    text += " \"";
    text += path.native();
    text += "\": ";
    text += reason;
    text += '.';
    return text;
}

}  // namespace

CalFileRead readCalFile(const std::filesystem::path& path) {
    CalFileRead r;
    std::error_code ec;
    if (std::filesystem::is_directory(path, ec)) {
        r.message = failure("open", path, std::strerror(EISDIR));
        return r;
    }
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        const int err = errno;
        r.message = failure("open", path, err != 0 ? std::strerror(err) : "the file could not be opened");
        return r;
    }
    r.begun = true;
    CalReadResult cal = readCal(in);
    if (in.bad()) {
        r.message = failure("read", path, "the file could not be read to its end");
        return r;
    }
    r.status = cal.status;
    r.text = std::move(cal.text);
    if (!cal.ok()) r.message = failure("read", path, "it is not a whole tape file; " + cal.error);
    return r;
}

FileResult writeCalFile(const std::filesystem::path& path, std::string_view text) {
    if (text.size() > kMaxCalTextLength)
        return FileResult::failure(failure("save", path, "the tape is too long for a tape file"));
    return writeFileAtomically(path, [text](std::ostream& out) { return writeCal(out, text); });
}

}  // namespace zovrek
