#include "DpiAwareness.h"

namespace {

template <typename Entry>
Entry User32Entry(const char* name) {
    const HMODULE user32 = GetModuleHandleA("user32.dll");
    if (user32 == nullptr) return nullptr;
    // A procedure address becomes the entry's type through an untyped pointer.
    return reinterpret_cast<Entry>(reinterpret_cast<void*>(GetProcAddress(user32, name)));
}

using GetThreadContextEntry = DPI_AWARENESS_CONTEXT(WINAPI*)();
using SetThreadContextEntry = DPI_AWARENESS_CONTEXT(WINAPI*)(DPI_AWARENESS_CONTEXT);
using GetWindowDpiEntry = UINT(WINAPI*)(HWND);

constexpr UINT kUnscaledDpi = 96;

}  // namespace

DPI_AWARENESS_CONTEXT CurrentThreadDpiContext() {
    static const auto entry = User32Entry<GetThreadContextEntry>("GetThreadDpiAwarenessContext");
    return entry != nullptr ? entry() : nullptr;
}

void AdoptThreadDpiContext(DPI_AWARENESS_CONTEXT context) {
    static const auto entry = User32Entry<SetThreadContextEntry>("SetThreadDpiAwarenessContext");
    if (entry != nullptr && context != nullptr) entry(context);
}

UINT WindowDpi(HWND window) {
    static const auto entry = User32Entry<GetWindowDpiEntry>("GetDpiForWindow");
    const UINT dpi = entry != nullptr && window != nullptr ? entry(window) : 0;
    return dpi != 0 ? dpi : kUnscaledDpi;
}
