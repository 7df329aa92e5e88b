#pragma once
// Choosing the command from the command line and running it.
#include <iosfwd>
#include <string>
#include <vector>

// args are the words after the program name; returns the exit code. Never throws.
int RunCommandLine(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
