#pragma once
// The command line of vgedemo.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

struct DemoOptions {
    std::optional<uint32_t> seconds;  // ends by itself after this many seconds; otherwise when closed
    bool selfDrive = false;           // drags and right-clicks the characters itself
    bool backdrop = false;            // a coloured full-screen backdrop behind the characters
    bool help = false;
};

struct ParsedOptions {
    DemoOptions options;
    std::string error;  // empty when the command line was understood
};

ParsedOptions ParseDemoOptions(const std::vector<std::string>& arguments);
std::string DemoUsage();

// The longest run --seconds accepts: a day.
constexpr uint32_t kMaxDemoSeconds = 86400;
