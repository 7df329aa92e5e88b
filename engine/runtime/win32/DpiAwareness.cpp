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
using GetWindowContextEntry = DPI_AWARENESS_CONTEXT(WINAPI*)(HWND);
using GetAwarenessEntry = DPI_AWARENESS(WINAPI*)(DPI_AWARENESS_CONTEXT);

constexpr UINT kUnscaledDpi = 96;
constexpr int kEffectiveDpi = 0;  // MDT_EFFECTIVE_DPI

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

WindowAwareness WindowAwarenessOf(HWND window) {
    static const auto context = User32Entry<GetWindowContextEntry>("GetWindowDpiAwarenessContext");
    static const auto awareness = User32Entry<GetAwarenessEntry>("GetAwarenessFromDpiAwarenessContext");
    if (context == nullptr || awareness == nullptr || window == nullptr) return WindowAwareness::Unaware;
    switch (awareness(context(window))) {
    case DPI_AWARENESS_PER_MONITOR_AWARE:
        return WindowAwareness::PerMonitor;
    case DPI_AWARENESS_SYSTEM_AWARE:
        return WindowAwareness::SystemAware;
    default:
        return WindowAwareness::Unaware;
    }
}

void CMonitorDpi::Load() {
    m_library.Reset(LoadLibraryExA("shcore.dll", nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32));
    if (!m_library) return;
    m_entry = reinterpret_cast<Entry>(reinterpret_cast<void*>(GetProcAddress(m_library.Get(), "GetDpiForMonitor")));
}

UINT CMonitorDpi::At(POINT point) const {
    if (m_entry == nullptr) return 0;
    UINT x = 0, y = 0;
    if (FAILED(m_entry(MonitorFromPoint(point, MONITOR_DEFAULTTONEAREST), kEffectiveDpi, &x, &y))) return 0;
    return y;
}
