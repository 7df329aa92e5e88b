// ruxtool: summarise, check, export and build character files; on Windows also install them
// into the current user's installed-file list.
#include <iostream>
#include <memory>
#include <string>
#include <vector>

#include "CommandLine.h"
#ifdef _WIN32
#include "RegistryKey.h"
#endif

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + (argc > 0 ? 1 : 0), argv + argc);
    FileListOpener openFileList;
#ifdef _WIN32
    openFileList = [] { return std::make_unique<RegistryKey>(kFileListKeyPath, false); };
#endif
    return RunCommandLine(args, std::cout, std::cerr, openFileList);
}
