#pragma once
// Pictures kept between runs: the program draws its key and toolbar pictures once and keeps
// them in the user's cache folder, so later starts read them instead of drawing them. This
// is the file's format, without any window: a stamp saying what drew the pictures (program,
// toolkit, fonts), then each picture by name with its pixels.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace zovrek::shell {

struct KeptPicture {
    std::string name;        ///< what the picture is, with its pixel ratio ("SEVENU@1")
    std::uint32_t width = 0;   ///< in device pixels
    std::uint32_t height = 0;
    double ratio = 1;          ///< device pixels per pixel
    std::string pixels;        ///< width * height pixels of 4 bytes each
};

/// Limits a kept file is read within; anything larger is not a file this program wrote.
inline constexpr std::uint32_t kMaxKeptPictures = 4096;
inline constexpr std::uint32_t kMaxKeptSide = 4096;
inline constexpr std::uint32_t kMaxKeptName = 256;
inline constexpr std::size_t kMaxKeptFileSize = std::size_t{64} << 20;

/// The bytes of a file keeping `pictures` under `stamp`.
std::string encodeKeptPictures(std::string_view stamp, const std::vector<KeptPicture>& pictures);

/// The pictures `bytes` keep, when they were kept under `stamp`; none when the stamp differs
/// (another program or fonts drew them) or the bytes are damaged in any way.
std::vector<KeptPicture> decodeKeptPictures(std::string_view bytes, std::string_view stamp);

/// Where the kept pictures live: $ZOVREK_CACHE_DIR, else $XDG_CACHE_HOME/zovrek, else
/// ~/.cache/zovrek. Empty when no home folder is known.
std::string keptPicturesFile();

/// The kept-pictures file's bytes; empty when there is none, or it is no regular file (a
/// pipe or a device is never waited on, a folder there means nothing is kept), or it is
/// larger than any this program writes.
std::string readKeptPicturesFile();

/// Replaces the kept-pictures file with `bytes`, whole or not at all, making its folder
/// when needed; false when that can't be done (the pictures are drawn again next time).
bool writeKeptPicturesFile(std::string_view bytes);

}  // namespace zovrek::shell
