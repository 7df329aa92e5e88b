#include "WindowDpi.h"

UINT WindowDpi(HWND window) {
    using Entry = UINT(WINAPI*)(HWND);
    static const Entry entry = [] {
        const HMODULE user32 = GetModuleHandleA("user32.dll");
        // A procedure address becomes the entry's type through an untyped pointer.
        return user32 != nullptr
                   ? reinterpret_cast<Entry>(reinterpret_cast<void*>(GetProcAddress(user32, "GetDpiForWindow")))
                   : nullptr;
    }();
    if (entry != nullptr) {
        if (const UINT dpi = entry(window)) return dpi;
    }
    const HDC screen = GetDC(nullptr);
    const int dpi = screen != nullptr ? GetDeviceCaps(screen, LOGPIXELSX) : 0;
    if (screen != nullptr) ReleaseDC(nullptr, screen);
    return dpi > 0 ? static_cast<UINT>(dpi) : 96;
}
