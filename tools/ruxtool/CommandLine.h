#pragma once
// Choosing the command from the command line and running it.
#include <iosfwd>

#include "FileListOpener.h"
#include <string>
#include <vector>

// args are the words after the program name; returns the exit code. Never throws.
// openFileList reaches the installed-file list (install, uninstall); empty where there is none.
int RunCommandLine(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
                   const FileListOpener& openFileList = {});
