#pragma once
// The command line as ruxtool works on it: narrow strings in the system's ANSI code page, the
// text of the installed-file list's paths. Windows hands the arguments over as wide strings;
// an argument the code page cannot hold (a profile folder named in another script) is taken
// in its short 8.3 form when that form exists and fits, else refused.
#include <functional>
#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

struct ArgumentConversion {
    // The text in the ANSI code page; nothing when a character has no exact counterpart.
    std::function<std::optional<std::string>(const std::wstring&)> toAnsi;
    // The short form of an existing path; nothing when there is none.
    std::function<std::optional<std::wstring>(const std::wstring&)> shortPath;
};

// Every argument narrowed, or nothing after telling err which ones cannot be.
std::optional<std::vector<std::string>> NarrowArguments(const std::vector<std::wstring>& args,
                                                        const ArgumentConversion& convert, std::ostream& err);
