#include <iostream>

#include "commands.h"

int main(int argc, char** argv) {
    std::ios::sync_with_stdio(false);
    return zovrek::cli::run(argc, argv, {std::cin, std::cout, std::cerr});
}
