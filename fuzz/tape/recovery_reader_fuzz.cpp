// The recovery-file reader on arbitrary bytes (a file cut short or damaged by a crash): it
// must never crash or give back more than the input holds, and what it gives back, written
// again, reads back the same.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "tape/recovery_log.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const zovrek::RecoveredTape r = zovrek::readRecoveryLog(bytes);
    if (r.text.size() + r.name.native().size() > size) std::abort();

    std::string again(zovrek::kRecoveryHeader);
    if (!r.name.empty()) zovrek::appendRecoveryRecord(again, 'N', r.name.native());
    zovrek::forEachTapeRecord(r.text, [&](std::string_view record) {
        again += record;
        return true;
    });
    const zovrek::RecoveredTape back = zovrek::readRecoveryLog(again);
    if (back.text != r.text || back.name != r.name || back.damaged) std::abort();
    return 0;
}
