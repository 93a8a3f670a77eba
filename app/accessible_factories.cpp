#include "app/accessible_factories.h"

#include "shell/qt/announcer.h"
#include "tape/qt/tape_view_accessible.h"

namespace zovrek::qt {

void installAccessibleFactories() {
    TapeViewAccessible::install();
    Announcer::installAccessibleFactory();
}

}  // namespace zovrek::qt
