#pragma once
// The companion's reply to one vimro command, as the one line vimro prints and its exit code.
#include <string>

namespace desk {

struct VimroOutcome {
    int exitCode = 1;   // 0 done, 1 failed (line says why)
    std::string line;   // no line break inside
};

VimroOutcome DescribeVimroReply(const std::string& command, const std::string& replyLine);

// Control characters (line breaks included) become spaces, so that the text stays one line.
std::string OneLine(std::string text);

}  // namespace desk
