#include "ProcessCounts.h"

#include <windows.h>
#include <tlhelp32.h>

namespace stress {

namespace {

unsigned long ThreadsOfThisProcess() {
    const HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPTHREAD, 0);
    if (snapshot == INVALID_HANDLE_VALUE) return 0;
    unsigned long count = 0;
    THREADENTRY32 entry{};
    entry.dwSize = sizeof(entry);
    for (BOOL more = Thread32First(snapshot, &entry); more; more = Thread32Next(snapshot, &entry)) {
        if (entry.th32OwnerProcessID == GetCurrentProcessId()) ++count;
    }
    CloseHandle(snapshot);
    return count;
}

BOOL CALLBACK CountChild(HWND, LPARAM count) {
    ++*reinterpret_cast<unsigned long*>(count);
    return TRUE;
}

void CountWindowsBelow(HWND parent, unsigned long& count) {
    HWND window = nullptr;
    while ((window = FindWindowExA(parent, window, nullptr, nullptr)) != nullptr) {
        DWORD process = 0;
        GetWindowThreadProcessId(window, &process);
        if (process != GetCurrentProcessId()) continue;
        ++count;
        EnumChildWindows(window, CountChild, reinterpret_cast<LPARAM>(&count));
    }
}

unsigned long WindowsOfThisProcess() {
    unsigned long count = 0;
    CountWindowsBelow(nullptr, count);
    CountWindowsBelow(HWND_MESSAGE, count);
    return count;
}

// GDI handles are table indexes in their low 16 bits; GetObjectType answers for a live one.
unsigned long LiveGdiHandles() {
    unsigned long count = 0;
    for (uintptr_t index = 1; index < 0x10000; ++index) {
        if (GetObjectType(reinterpret_cast<HGDIOBJ>(index)) != 0) ++count;
    }
    return count;
}

// Kernel handles are multiples of 4; GetHandleInformation succeeds for an open one.
unsigned long LiveKernelHandles() {
    unsigned long count = 0;
    for (uintptr_t value = 4; value < 0x10000; value += 4) {
        DWORD flags = 0;
        if (GetHandleInformation(reinterpret_cast<HANDLE>(value), &flags)) ++count;
    }
    return count;
}

}  // namespace

ProcessCounts CountProcessObjects() {
    ProcessCounts counts;
    DWORD handles = 0;
    if (GetProcessHandleCount(GetCurrentProcess(), &handles)) counts.handles = handles;
    counts.gdiObjects = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
    counts.userObjects = GetGuiResources(GetCurrentProcess(), GR_USEROBJECTS);
    counts.threads = ThreadsOfThisProcess();
    counts.windows = WindowsOfThisProcess();
    counts.gdiHandles = LiveGdiHandles();
    counts.kernelHandles = LiveKernelHandles();
    return counts;
}

std::string Describe(const ProcessCounts& counts) {
    return "handles " + std::to_string(counts.handles) + ", GDI objects " + std::to_string(counts.gdiObjects) +
           ", USER objects " + std::to_string(counts.userObjects) + ", threads " + std::to_string(counts.threads) +
           ", windows " + std::to_string(counts.windows) + ", live GDI handles " + std::to_string(counts.gdiHandles) + ", live kernel handles " + std::to_string(counts.kernelHandles);
}

}  // namespace stress
