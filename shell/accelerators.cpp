#include "shell/accelerators.h"

namespace zovrek::shell {

int matchAccelerator(std::span<const Accelerator> table, const KeyStroke& stroke) {
    for (const Accelerator& a : table) {
        if (a.flags & kVirtualKey) {
            if (a.key == stroke.virtualKey && ((a.flags & kShift) != 0) == stroke.shift &&
                ((a.flags & kControl) != 0) == stroke.control &&
                ((a.flags & kAlt) != 0) == stroke.alt)
                return a.command;
        } else if (stroke.typed != 0 && a.key == stroke.typed && !stroke.control && !stroke.alt) {
            return a.command;
        }
    }
    return 0;
}

}  // namespace zovrek::shell
