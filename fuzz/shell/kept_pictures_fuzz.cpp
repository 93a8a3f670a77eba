// The kept-pictures reader on arbitrary bytes: it must never crash or read past its input,
// every picture it gives holds exactly its pixels, and written again it reads the same.

#include <cstddef>
#include <cstdint>
#include <algorithm>
#include <cstdlib>
#include <string_view>

#include "shell/kept_pictures.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    // The stamp is taken from the input itself, so the fuzzer can get past it.
    const std::size_t cut = size ? data[0] % 16 : 0;
    const std::string_view stamp = bytes.substr(std::min(size, std::size_t{1}), cut);
    const auto pictures = zovrek::shell::decodeKeptPictures(bytes, stamp);
    for (const auto& p : pictures)
        if (p.pixels.size() != std::size_t{p.width} * p.height * 4) std::abort();
    if (!pictures.empty()) {
        const auto again = zovrek::shell::decodeKeptPictures(
            zovrek::shell::encodeKeptPictures(stamp, pictures), stamp);
        if (again.size() != pictures.size()) std::abort();
    }
    return 0;
}
