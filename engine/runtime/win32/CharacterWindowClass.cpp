#include "CharacterWindowClass.h"

#include <mutex>

#include "CodeModule.h"

namespace {
std::mutex g_registrationLock;
bool g_registered = false;
}  // namespace

bool RegisterCharacterWindowClass(WNDPROC procedure) {
    std::lock_guard<std::mutex> guard(g_registrationLock);
    if (g_registered) return true;
    WNDCLASSEXA windowClass{};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.style = CS_DBLCLKS;
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = CodeModule();
    windowClass.hCursor = LoadCursor(nullptr, IDC_ARROW);
    windowClass.lpszClassName = kCharacterWindowClass;
    g_registered = RegisterClassExA(&windowClass) != 0;
    return g_registered;
}

void UnregisterCharacterWindowClass() {
    std::lock_guard<std::mutex> guard(g_registrationLock);
    if (!g_registered) return;
    // A class with a window left keeps its registration, and is not registered twice.
    if (UnregisterClassA(kCharacterWindowClass, CodeModule())) g_registered = false;
}
