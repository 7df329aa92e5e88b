#include "DemoOptions.h"

#include <cerrno>
#include <cstdlib>

namespace {

// A whole number of seconds from 1 to kMaxDemoSeconds, nothing else.
std::optional<uint32_t> SecondsFrom(const std::string& text) {
    if (text.empty() || text.find_first_not_of("0123456789") != std::string::npos) return std::nullopt;
    errno = 0;
    const unsigned long long value = std::strtoull(text.c_str(), nullptr, 10);
    if (errno != 0 || value == 0 || value > kMaxDemoSeconds) return std::nullopt;
    return static_cast<uint32_t>(value);
}

}  // namespace

ParsedOptions ParseDemoOptions(const std::vector<std::string>& arguments) {
    ParsedOptions parsed;
    for (size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        if (argument == "--self-drive") {
            parsed.options.selfDrive = true;
        } else if (argument == "--backdrop") {
            parsed.options.backdrop = true;
        } else if (argument == "--help" || argument == "-h") {
            parsed.options.help = true;
        } else if (argument == "--seconds") {
            if (i + 1 == arguments.size()) return {{}, "--seconds needs a number of seconds"};
            parsed.options.seconds = SecondsFrom(arguments[++i]);
            if (!parsed.options.seconds) {
                return {{}, "--seconds takes a whole number from 1 to " + std::to_string(kMaxDemoSeconds) + ", not \"" +
                                arguments[i] + "\""};
            }
        } else {
            return {{}, "unknown option \"" + argument + "\""};
        }
    }
    return parsed;
}

std::string DemoUsage() {
    return "usage: vgedemo [--seconds N] [--self-drive] [--backdrop]\n"
           "  Shows the sample characters Pip and Ball on the desktop and prints their events.\n"
           "  --seconds N    end after N seconds (otherwise: Ctrl+C, or Escape on a character)\n"
           "  --self-drive   drag Ball and open Pip's context menu by synthesised mouse input\n"
           "  --backdrop     paint a coloured backdrop over the whole screen behind the characters\n"
           "  Pip and Ball must be installed (GraphicFiles.Add) and VimroGE.dll registered.\n";
}
