#include "cal_format.h"

#include <algorithm>
#include <array>
#include <istream>
#include <optional>
#include <ostream>

#include "engine/utf8.h"

namespace zovrek {
namespace {

constexpr unsigned char kLongerLength = 0xFF;
constexpr std::uint16_t kWideMarker = 0xFFFE;
constexpr std::uint16_t kLongestLength = 0xFFFF;

// Streams of unknown size are read in growing pieces of at most this size.
constexpr std::size_t kReadChunk = std::size_t{1} << 20;

class MemorySource {
public:
    explicit MemorySource(std::string_view bytes) : bytes_(bytes) {}

    bool read(unsigned char* dst, std::size_t n) {
        if (bytes_.size() - pos_ < n) return false;
        std::copy_n(bytes_.data() + pos_, n, reinterpret_cast<char*>(dst));
        pos_ += n;
        return true;
    }
    /// Appends `n` bytes to `out`; on a short file `got` tells how many there were.
    bool readInto(std::string& out, std::uint64_t n, std::uint64_t& got) {
        const std::size_t left = bytes_.size() - pos_;
        if (left < n) {
            got = left;
            return false;
        }
        out.append(bytes_.substr(pos_, static_cast<std::size_t>(n)));
        pos_ += static_cast<std::size_t>(n);
        got = n;
        return true;
    }
    bool atEnd() const { return pos_ == bytes_.size(); }

private:
    std::string_view bytes_;
    std::size_t pos_ = 0;
};

class StreamSource {
public:
    explicit StreamSource(std::istream& in) : in_(in) {
        // A seekable stream tells how much it holds, so a false length is refused before
        // any memory is taken for it.
        const std::istream::pos_type here = in_.tellg();
        if (here == std::istream::pos_type(-1)) return;
        in_.seekg(0, std::ios::end);
        const std::istream::pos_type end = in_.tellg();
        in_.seekg(here);
        if (end != std::istream::pos_type(-1) && in_ && end >= here)
            left_ = static_cast<std::uint64_t>(end - here);
        else
            in_.clear();
    }

    bool read(unsigned char* dst, std::size_t n) {
        in_.read(reinterpret_cast<char*>(dst), static_cast<std::streamsize>(n));
        const auto count = static_cast<std::size_t>(in_.gcount());
        if (left_) *left_ -= std::min<std::uint64_t>(*left_, count);
        return count == n;
    }
    bool readInto(std::string& out, std::uint64_t n, std::uint64_t& got) {
        got = 0;
        if (left_ && *left_ < n) {
            got = *left_;
            return false;
        }
        // With the size unknown the buffer grows by at most what has already arrived, so
        // memory stays within twice the bytes actually read.
        while (got < n) {
            const std::uint64_t step =
                left_ ? n : std::clamp<std::uint64_t>(got, kFirstChunk, kReadChunk);
            const auto piece = static_cast<std::size_t>(std::min<std::uint64_t>(n - got, step));
            const std::size_t start = out.size();
            out.resize(start + piece);
            in_.read(out.data() + start, static_cast<std::streamsize>(piece));
            const auto count = static_cast<std::size_t>(in_.gcount());
            got += count;
            if (count < piece) {
                out.resize(start + count);
                return false;
            }
        }
        if (left_) *left_ -= n;
        return true;
    }
    bool atEnd() {
        return in_.peek() == std::char_traits<char>::eof();
    }

private:
    static constexpr std::uint64_t kFirstChunk = 4096;

    std::istream& in_;
    std::optional<std::uint64_t> left_;  // bytes left, when the stream can tell
};

template <typename Source>
bool readU16(Source& src, std::uint16_t& v) {
    std::array<unsigned char, 2> b{};
    if (!src.read(b.data(), b.size())) return false;
    v = static_cast<std::uint16_t>(b[0] | (b[1] << 8));
    return true;
}

template <typename Source>
bool readU32(Source& src, std::uint32_t& v) {
    std::array<unsigned char, 4> b{};
    if (!src.read(b.data(), b.size())) return false;
    v = static_cast<std::uint32_t>(b[0]) | (static_cast<std::uint32_t>(b[1]) << 8) |
        (static_cast<std::uint32_t>(b[2]) << 16) | (static_cast<std::uint32_t>(b[3]) << 24);
    return true;
}

CalReadResult damaged(std::string error) {
    CalReadResult r;
    r.status = CalReadResult::Status::Damaged;
    r.error = std::move(error);
    return r;
}

template <typename Source>
CalReadResult decode(Source& src) {
    if (src.atEnd()) {
        CalReadResult r;
        r.status = CalReadResult::Status::NoText;
        return r;
    }
    const std::string prefixEnds = "the file ends inside its length prefix";

    // One byte below 0xFF, else 16 bits below 0xFFFF, else 32 bits. The wide marker may
    // stand once in the 16-bit place; the real length then follows in the same forms.
    bool wide = false;
    std::uint64_t length = 0;
    unsigned char b = 0;
    if (!src.read(&b, 1)) return damaged(prefixEnds);
    length = b;
    if (b == kLongerLength) {
        std::uint16_t w = 0;
        if (!readU16(src, w)) return damaged(prefixEnds);
        if (w == kWideMarker) {
            wide = true;
            if (!src.read(&b, 1)) return damaged(prefixEnds);
            w = b;
            if (b == kLongerLength && !readU16(src, w)) return damaged(prefixEnds);
        }
        length = w;
        if (w == kLongestLength) {
            std::uint32_t d = 0;
            if (!readU32(src, d)) return damaged(prefixEnds);
            length = d;
        }
    }

    const std::uint64_t byteCount = wide ? 2 * length : length;
    std::string bytes;
    std::uint64_t got = 0;
    if (!src.readInto(bytes, byteCount, got)) {
        const std::string counts = std::to_string(byteCount) + " bytes of text promised, " +
                                   std::to_string(got) + " present";
        if (wide && got % 2 == 1)
            return damaged("the file ends in the middle of a 16-bit character (" + counts + ")");
        return damaged("the file is shorter than its length prefix says (" + counts + ")");
    }
    CalReadResult r;
    r.status = CalReadResult::Status::Text;
    r.text = wide ? utf8FromUtf16le(bytes) : tapeTextOfCalString(std::move(bytes));
    return r;
}

}  // namespace

std::string calLengthPrefix(std::uint64_t length) {
    std::string p;
    if (length < kLongerLength) {
        p.push_back(static_cast<char>(length));
        return p;
    }
    p.push_back(static_cast<char>(kLongerLength));
    if (length < kWideMarker) {
        p.push_back(static_cast<char>(length & 0xFF));
        p.push_back(static_cast<char>((length >> 8) & 0xFF));
        return p;
    }
    p.append(2, static_cast<char>(0xFF));
    for (int shift = 0; shift < 32; shift += 8) p.push_back(static_cast<char>((length >> shift) & 0xFF));
    return p;
}

std::string_view calString(std::string_view text, std::string& storage) {
    std::size_t at = firstNonAscii(text);
    if (at == text.size()) return text;
    // One byte a character while every character fits.
    storage.assign(text.substr(0, at));
    bool fits = true;
    while (at < text.size()) {
        std::size_t next = 0;
        const char32_t c = decodeUtf8At(text, at, &next);
        if (c > 0xFF) {
            fits = false;
            break;
        }
        storage.push_back(static_cast<char>(c));
        const std::size_t ascii = firstNonAscii(text, next);
        storage.append(text.substr(next, ascii - next));
        at = ascii;
    }
    // Bytes that are valid UTF-8 would be read back as other characters ("\xC3\xA9" is one
    // e acute in UTF-8, two characters in Latin-1): such a text goes as UTF-8.
    if (fits && !isUtf8(storage)) return storage;
    if (isUtf8(text)) return text;
    storage = toValidUtf8(text);
    return storage;
}

std::string tapeTextOfCalString(std::string bytes) {
    if (isUtf8(bytes)) return bytes;
    return utf8FromLatin1(bytes);
}

std::string encodeCal(std::string_view text) {
    std::string storage;
    const std::string_view string = calString(text, storage);
    std::string file = calLengthPrefix(string.size());
    file.append(string);
    return file;
}

bool writeCalString(std::ostream& out, std::string_view string) {
    if (string.size() > kMaxCalTextLength) return false;
    const std::string prefix = calLengthPrefix(string.size());
    out.write(prefix.data(), static_cast<std::streamsize>(prefix.size()));
    out.write(string.data(), static_cast<std::streamsize>(string.size()));
    return static_cast<bool>(out);
}

bool writeCal(std::ostream& out, std::string_view text) {
    std::string storage;
    return writeCalString(out, calString(text, storage));
}

CalReadResult readCal(std::string_view bytes) {
    MemorySource src(bytes);
    return decode(src);
}

CalReadResult readCal(std::istream& in) {
    StreamSource src(in);
    return decode(src);
}

}  // namespace zovrek
