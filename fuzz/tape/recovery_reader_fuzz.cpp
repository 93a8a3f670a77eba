// The recovery-file reader on arbitrary bytes (a file cut short or damaged by a crash): it
// must never crash, hang or give back more than the input holds, and what it gives back,
// written again, reads back the same and whole.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "tape/recovery_log.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const zovrek::RecoveryLog r = zovrek::readRecoveryLog(bytes);
    if (r.added.size() + r.name.native().size() > size) std::abort();
    if (r.base && r.keptOfBase > r.base->length) std::abort();

    std::string again = zovrek::recoveryHeader(r.behind ? zovrek::kRecoveryBehind
                                                        : zovrek::kRecoveryKeptUp);
    if (r.base) {
        zovrek::appendBaseRecord(again, *r.base);
        if (r.keptOfBase < r.base->length) zovrek::appendCutRecord(again, r.keptOfBase);
    }
    zovrek::forEachTapeRecord(r.added, [&](std::string_view record) {
        again += record;
        return true;
    });
    zovrek::appendRecoveryRecord(again, 'N', r.name.native());
    const zovrek::RecoveryLog back = zovrek::readRecoveryLog(again);
    if (back.base != r.base || back.keptOfBase != r.keptOfBase || back.added != r.added ||
        back.name != r.name || back.behind != r.behind || back.damaged)
        std::abort();
    return 0;
}
