// ruxtool: summarise, check, export and build character files.
#include <iostream>
#include <string>
#include <vector>

#include "CommandLine.h"

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + (argc > 0 ? 1 : 0), argv + argc);
    return RunCommandLine(args, std::cout, std::cerr);
}
