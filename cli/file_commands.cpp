#include <ostream>

#include "commands.h"

namespace zovrek::cli {

int runCat(const Args&, Streams io) {
    io.err << "zovrek-tape: this command is not built yet\n";
    return kUsage;
}

int runPack(const Args&, Streams io) {
    io.err << "zovrek-tape: this command is not built yet\n";
    return kUsage;
}

}  // namespace zovrek::cli
