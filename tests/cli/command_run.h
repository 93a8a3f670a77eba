#pragma once
// Runs one zovrek-tape subcommand in the test's process, with its streams captured.

#include <sstream>
#include <string>

#include "commands.h"

namespace zovrek::cli::runner {

struct Outcome {
    int status = -1;
    std::string out;
    std::string err;
};

inline Outcome run(int (*command)(const Args&, Streams), const Args& args,
                   const std::string& input = {}) {
    std::istringstream in(input);
    std::ostringstream out, err;
    const int status = command(args, Streams{in, out, err});
    return {status, out.str(), err.str()};
}

}  // namespace zovrek::cli::runner
