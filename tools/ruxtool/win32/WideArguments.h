#pragma once
// The program's arguments as Windows passes them (wide), and the two conversions that narrow
// them to the ANSI code page (ArgumentNarrowing.h).
#include <optional>
#include <string>
#include <vector>

// The words after the program name, split by the rules of CommandLineToArgvW.
std::vector<std::wstring> ProgramArguments();
// The text in the ANSI code page, nothing when a character has no exact counterpart there.
std::optional<std::string> AnsiText(const std::wstring& text);
// GetShortPathNameW of an existing path; nothing when it fails.
std::optional<std::wstring> ShortPath(const std::wstring& path);
