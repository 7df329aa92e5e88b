// A program of its own that attacks another process's engine windows with junk messages.
//   hostile_sender PROCESS_ID   exit code: the number of windows reached
#include <cstdlib>

#include "HostileSweep.h"

int main(int argc, char** argv) {
    if (argc != 2) return -1;
    return SendJunkToEngineWindows(static_cast<DWORD>(std::strtoul(argv[1], nullptr, 10)));
}
