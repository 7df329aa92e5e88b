#pragma once
// vimro's command line, turned into one request of the companion's protocol.
#include <nlohmann/json.hpp>

#include <optional>
#include <string>
#include <vector>

namespace desk {

struct VimroInvocation {
    std::string command;          // the protocol's command word
    nlohmann::json request;       // the request line's object
    bool startsCompanion = true;  // status and quit do not start a companion to ask it
};

struct ParsedVimroArguments {
    std::optional<VimroInvocation> invocation;
    std::string usageError;  // set when invocation is not
};

// arguments: UTF-8, without the program's name.
ParsedVimroArguments ParseVimroArguments(const std::vector<std::string>& arguments);

// The usage on one line.
const char* VimroUsage();

}  // namespace desk
