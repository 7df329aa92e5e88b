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
    g_registered = RegisterModuleClass(windowClass);
    return g_registered;
}

bool UnregisterCharacterWindowClass() {
    std::lock_guard<std::mutex> guard(g_registrationLock);
    if (!g_registered) return true;
    // A class with a window left keeps its registration, and is not registered twice.
    if (UnregisterClassA(kCharacterWindowClass, CodeModule())) g_registered = false;
    return !g_registered;
}

// A module unloaded without being asked (DllCanUnloadNow bypassed) leaves its classes
// registered, and loaded again at the same address it finds them under its own instance:
// with this procedure that registration serves; with another (a different build at that
// address) it is replaced, which the system allows once no window of it is left.
bool RegisterModuleClass(const WNDCLASSEXA& windowClass) {
    if (RegisterClassExA(&windowClass) != 0) return true;
    if (GetLastError() != ERROR_CLASS_ALREADY_EXISTS) return false;
    WNDCLASSEXA existing{};
    existing.cbSize = sizeof existing;
    if (!GetClassInfoExA(windowClass.hInstance, windowClass.lpszClassName, &existing)) return false;
    if (existing.lpfnWndProc == windowClass.lpfnWndProc) return true;
    return UnregisterClassA(windowClass.lpszClassName, windowClass.hInstance) && RegisterClassExA(&windowClass) != 0;
}

bool RegisterModuleClass(const WNDCLASSEXW& windowClass) {
    if (RegisterClassExW(&windowClass) != 0) return true;
    if (GetLastError() != ERROR_CLASS_ALREADY_EXISTS) return false;
    WNDCLASSEXW existing{};
    existing.cbSize = sizeof existing;
    if (!GetClassInfoExW(windowClass.hInstance, windowClass.lpszClassName, &existing)) return false;
    if (existing.lpfnWndProc == windowClass.lpfnWndProc) return true;
    return UnregisterClassW(windowClass.lpszClassName, windowClass.hInstance) && RegisterClassExW(&windowClass) != 0;
}
