// Arbitrary text through the editing form and one Update, then the same text as if the
// user had typed it already marked. Any crash, hang or sanitizer report is a fault.

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "editor/tape_reevaluation.h"
#include "engine/tape_lines.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    // The first byte picks the decimal-places setting, the rest is the tape.
    const int places = 1 + data[0] % 4;
    const std::string_view text(reinterpret_cast<const char*>(data + 1), size - 1);

    const zovrek::Reevaluation fromTape = zovrek::reevaluateTape(text, places);
    const zovrek::Reevaluation typed = zovrek::reevaluateTape(text, places, true);

    // The warning shows once per opening, an Update has at most three messages, the
    // rewrite makes no line that was not there, and a line pointed at after the messages is
    // a line of the rewritten text.
    const auto breaks = [](std::string_view s) {
        std::ptrdiff_t n = 0;
        for (std::size_t at = 0, after = 0;
             zovrek::findLineBreak(s, at, &after) != std::string_view::npos; at = after)
            ++n;
        return n;
    };
    for (const zovrek::Reevaluation* r : {&fromTape, &typed}) {
        if (r->dialogs.size() > 1 || r->messages.size() > 3) __builtin_trap();
        if (breaks(r->text) > breaks(text)) __builtin_trap();
        if (r->errorLine && (r->messages.empty() ||
                             static_cast<std::ptrdiff_t>(*r->errorLine) > breaks(r->text)))
            __builtin_trap();
    }
    return 0;
}
