#include <iostream>
#include <string>
#include <vector>

#include "engine_command.h"

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    const int nExit = RunEngineCommand(args, std::cout, std::cerr);
    // Output that did not arrive (a full disk, a closed pipe) is an error, not a success.
    if (!std::cout.flush()) {
        std::cerr << "pelvar-engine: cannot write to standard output\n";
        return EXIT_WRITE_FAILED;
    }
    return std::cerr.flush() ? nExit : EXIT_WRITE_FAILED;
}
