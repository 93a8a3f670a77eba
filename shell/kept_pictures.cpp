#include "shell/kept_pictures.h"

#include <sys/stat.h>
#include <unistd.h>

#include <bit>
#include <cerrno>
#include <filesystem>
#include <ostream>

#include "files/atomic_file.h"
#include "shell/settings_files.h"
#include "files/regular_file.h"

namespace zovrek::shell {
namespace {

constexpr std::string_view kMagic = "ZOVREK pictures 1\n";

void putWord(std::string& out, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) out.push_back(static_cast<char>((v >> (8 * i)) & 0xff));
}

void putText(std::string& out, std::string_view text) {
    putWord(out, static_cast<std::uint32_t>(text.size()));
    out.append(text);
}

// Reads forward through the bytes; any read past the end leaves it failed for good.
class Reader {
public:
    explicit Reader(std::string_view bytes) : rest_(bytes) {}

    bool failed() const { return failed_; }
    bool atEnd() const { return rest_.empty(); }

    std::string_view take(std::size_t n) {
        if (failed_ || n > rest_.size()) {
            failed_ = true;
            return {};
        }
        const std::string_view taken = rest_.substr(0, n);
        rest_.remove_prefix(n);
        return taken;
    }
    std::uint32_t word() {
        const std::string_view b = take(4);
        std::uint32_t v = 0;
        for (std::size_t i = 0; i < b.size(); ++i)
            v |= static_cast<std::uint32_t>(static_cast<unsigned char>(b[i])) << (8 * i);
        return v;
    }
    std::string_view text(std::uint32_t limit) {
        const std::uint32_t n = word();
        if (n > limit) failed_ = true;
        return take(n);
    }

private:
    std::string_view rest_;
    bool failed_ = false;
};

}  // namespace

std::string encodeKeptPictures(std::string_view stamp, const std::vector<KeptPicture>& pictures) {
    std::string out(kMagic);
    putText(out, stamp);
    putWord(out, static_cast<std::uint32_t>(pictures.size()));
    for (const KeptPicture& p : pictures) {
        putText(out, p.name);
        putWord(out, p.width);
        putWord(out, p.height);
        const auto ratio = std::bit_cast<std::uint64_t>(p.ratio);
        putWord(out, static_cast<std::uint32_t>(ratio));
        putWord(out, static_cast<std::uint32_t>(ratio >> 32));
        out.append(p.pixels);
    }
    return out;
}

std::vector<KeptPicture> decodeKeptPictures(std::string_view bytes, std::string_view stamp) {
    Reader in(bytes);
    if (in.take(kMagic.size()) != kMagic || in.text(static_cast<std::uint32_t>(-1)) != stamp)
        return {};
    const std::uint32_t count = in.word();
    if (count > kMaxKeptPictures) return {};
    std::vector<KeptPicture> pictures;
    for (std::uint32_t i = 0; i < count && !in.failed(); ++i) {
        KeptPicture p;
        p.name = in.text(kMaxKeptName);
        p.width = in.word();
        p.height = in.word();
        const std::uint64_t low = in.word();
        p.ratio = std::bit_cast<double>(low | (std::uint64_t{in.word()} << 32));
        if (p.width > kMaxKeptSide || p.height > kMaxKeptSide || !(p.ratio > 0 && p.ratio <= 8))
            return {};
        p.pixels = in.take(std::size_t{p.width} * p.height * 4);
        pictures.push_back(std::move(p));
    }
    if (in.failed() || !in.atEnd()) return {};
    return pictures;
}

std::string keptPicturesFile() {
    const std::filesystem::path folder = cacheFolder();
    return folder.empty() ? std::string() : (folder / "pictures.bin").string();
}

std::string readKeptPicturesFile() {
    const std::string file = keptPicturesFile();
    if (file.empty()) return {};
    std::string problem;
    const int fd = openRegularFile(file, problem);
    if (fd < 0) return {};
    struct stat info {};
    std::string bytes;
    if (::fstat(fd, &info) == 0 && info.st_size > 0 &&
        static_cast<std::size_t>(info.st_size) <= kMaxKeptFileSize) {
        bytes.resize(static_cast<std::size_t>(info.st_size));
        std::size_t got = 0;
        while (got < bytes.size()) {
            const ssize_t n = ::read(fd, bytes.data() + got, bytes.size() - got);
            if (n < 0 && errno == EINTR) continue;
            if (n <= 0) break;
            got += static_cast<std::size_t>(n);
        }
        // Shorter than it said: changed while read, and no use.
        if (got < bytes.size()) bytes.clear();
    }
    ::close(fd);
    return bytes;
}

bool writeKeptPicturesFile(std::string_view bytes) {
    const std::string file = keptPicturesFile();
    if (file.empty()) return false;
    const std::filesystem::path path(file);
    std::error_code ec;
    std::filesystem::create_directories(path.parent_path(), ec);
    if (ec) return false;
    return writeFileAtomically(path, [&](std::ostream& out) {
               out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
               return static_cast<bool>(out);
           }).ok;
}

}  // namespace zovrek::shell
