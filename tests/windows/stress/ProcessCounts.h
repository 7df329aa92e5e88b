#pragma once
// What a process holds of the system: kernel handles, GDI and USER objects, threads, windows.
#include <string>

namespace stress {

struct ProcessCounts {
    unsigned long handles = 0;      // GetProcessHandleCount
    unsigned long gdiObjects = 0;   // GetGuiResources(GR_GDIOBJECTS)
    unsigned long userObjects = 0;  // GetGuiResources(GR_USEROBJECTS)
    unsigned long threads = 0;      // threads of this process in a Toolhelp snapshot
    unsigned long windows = 0;      // windows of this process: top-level, message-only, children
    // Wine answers 0 to GetProcessHandleCount and GetGuiResources; these probes count there.
    unsigned long gdiHandles = 0;     // live entries of the GDI handle table
    unsigned long kernelHandles = 0;  // valid kernel handle values
};

ProcessCounts CountProcessObjects();
std::string Describe(const ProcessCounts& counts);

}  // namespace stress
