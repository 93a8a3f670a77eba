// The ".cal" reader on arbitrary bytes: it must never crash, read past its input or claim
// more than the input holds, and its two front ends (memory, stream) must agree.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string_view>

#include "engine/utf8.h"
#include "tape/cal_format.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const zovrek::CalReadResult fromMemory = zovrek::readCal(bytes);

    std::istringstream in{std::string(bytes)};
    const zovrek::CalReadResult fromStream = zovrek::readCal(in);
    if (fromMemory.status != fromStream.status || fromMemory.text != fromStream.text ||
        fromMemory.error != fromStream.error)
        std::abort();

    if (fromMemory.status == zovrek::CalReadResult::Status::Text) {
        // A text is at most twice the file (each Latin-1 byte two in UTF-8); it is valid
        // UTF-8, and written again and read back it is the same.
        if (fromMemory.text.size() > 2 * size) std::abort();
        if (!zovrek::isUtf8(fromMemory.text)) std::abort();
        const zovrek::CalReadResult again = zovrek::readCal(zovrek::encodeCal(fromMemory.text));
        if (again.status != fromMemory.status || again.text != fromMemory.text) std::abort();
    }
    if (fromMemory.status == zovrek::CalReadResult::Status::NoText && size != 0) std::abort();
    if (fromMemory.status == zovrek::CalReadResult::Status::Damaged && fromMemory.error.empty())
        std::abort();
    return 0;
}
