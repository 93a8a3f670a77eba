#include <ostream>

#include "commands.h"

namespace zovrek::cli {

int runInterest(const Args&, Streams io) {
    io.err << "zovrek-tape: this command is not built yet\n";
    return kUsage;
}

int runSavings(const Args&, Streams io) {
    io.err << "zovrek-tape: this command is not built yet\n";
    return kUsage;
}

int runAnnuity(const Args&, Streams io) {
    io.err << "zovrek-tape: this command is not built yet\n";
    return kUsage;
}

int runLoan(const Args&, Streams io) {
    io.err << "zovrek-tape: this command is not built yet\n";
    return kUsage;
}

}  // namespace zovrek::cli
