#include <ostream>

#include "commands.h"

namespace zovrek::cli {

int runRecalc(const Args&, Streams io) {
    io.err << "zovrek-tape: this command is not built yet\n";
    return kUsage;
}

}  // namespace zovrek::cli
