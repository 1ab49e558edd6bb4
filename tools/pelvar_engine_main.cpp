#include <iostream>
#include <string>
#include <vector>

#include "engine_command.h"

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    return RunEngineCommand(args, std::cout, std::cerr);
}
