// ruxtool: summarise, check, export and build character files; on Windows also install them
// into the current user's installed-file list.
#include <iostream>
#include <memory>
#include <string>
#include <vector>

#include "CommandLine.h"
#include "Commands.h"
#ifdef _WIN32
#include "ArgumentNarrowing.h"
#include "RegistryKey.h"
#include "win32/EmptyListKeys.h"
#include "win32/WideArguments.h"
#endif

#ifdef _WIN32
// The arguments arrive wide (main's narrow ones lose what the ANSI code page cannot hold) and
// are narrowed here, with short paths where that keeps a path whole.
int main() {
    const std::optional<std::vector<std::string>> args =
        NarrowArguments(ProgramArguments(), ArgumentConversion{AnsiText, ShortPath}, std::cerr);
    if (!args) return kExitFailure;
    const FileListOpener openFileList = [] { return std::make_unique<RegistryKey>(kFileListKeyPath, false); };
    const int status = RunCommandLine(*args, std::cout, std::cerr, openFileList);
    if (!args->empty() && (*args)[0] == "uninstall") RemoveEmptyListKeys();
    return status;
}
#else
int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + (argc > 0 ? 1 : 0), argv + argc);
    return RunCommandLine(args, std::cout, std::cerr);
}
#endif
