// vgedemo: a client of VimroGE.dll that shows what the engine does with the sample characters
// Pip and Ball. See DemoUsage() for the command line.
#include <cstdio>
#include <string>
#include <vector>

#include "Demo.h"
#include "ClientHandles.h"
#include "QuitSignals.h"

int main(int argc, char** argv) {
    const ParsedOptions parsed = ParseDemoOptions(std::vector<std::string>(argv + 1, argv + argc));
    if (!parsed.error.empty()) {
        std::fprintf(stderr, "vgedemo: %s\n%s", parsed.error.c_str(), DemoUsage().c_str());
        return 2;
    }
    if (parsed.options.help) {
        std::printf("%s", DemoUsage().c_str());
        return 0;
    }
    const Apartment apartment;
    if (!apartment.Ok()) return 1;
    QuitOnConsoleClose();
    if (parsed.options.seconds) QuitAfter(*parsed.options.seconds);
    return RunDemo(parsed.options);
}
