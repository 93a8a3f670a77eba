#include "cal_file.h"

#include <cerrno>
#include <cstring>
#include <fstream>

namespace zovrek {

CalFileRead readCalFile(const std::filesystem::path& path) {
    CalFileRead r;
    const std::string quoted = "\"" + path.string() + "\"";
    std::error_code ec;
    if (std::filesystem::is_directory(path, ec)) {
        r.message = "Could not open " + quoted + ": " + std::strerror(EISDIR) + ".";
        return r;
    }
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        const int err = errno;
        r.message = "Could not open " + quoted + ": " +
                    (err != 0 ? std::strerror(err) : "the file could not be opened") + ".";
        return r;
    }
    r.begun = true;
    CalReadResult cal = readCal(in);
    if (in.bad()) {
        r.message = "Could not read " + quoted + ": the file could not be read to its end.";
        return r;
    }
    r.status = cal.status;
    r.text = std::move(cal.text);
    if (!cal.ok()) r.message = "Could not read " + quoted + ": it is not a whole tape file; " + cal.error + ".";
    return r;
}

FileResult writeCalFile(const std::filesystem::path& path, std::string_view text) {
    if (text.size() > kMaxCalTextLength)
        return FileResult::failure("Could not save \"" + path.string() +
                                   "\": the tape is too long for a tape file.");
    return writeFileAtomically(path, [text](std::ostream& out) { return writeCal(out, text); });
}

}  // namespace zovrek
