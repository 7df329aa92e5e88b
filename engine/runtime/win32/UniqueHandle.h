#pragma once
// Owners of Win32 handles: each releases its handle with the matching call when it goes.
#include "Win32Api.h"

#include <oleauto.h>

// Owns one handle; Traits names the handle type, its empty value and how to release it.
template <class Traits>
class UniqueHandle {
public:
    using Handle = typename Traits::Handle;

    UniqueHandle() = default;
    explicit UniqueHandle(Handle handle) : m_handle(handle) {}
    UniqueHandle(UniqueHandle&& other) noexcept : m_handle(other.Release()) {}
    UniqueHandle& operator=(UniqueHandle&& other) noexcept {
        if (this != &other) Reset(other.Release());
        return *this;
    }
    UniqueHandle(const UniqueHandle&) = delete;
    UniqueHandle& operator=(const UniqueHandle&) = delete;
    ~UniqueHandle() { Reset(); }

    Handle Get() const { return m_handle; }
    explicit operator bool() const { return m_handle != Traits::Empty(); }
    // Gives the handle up without releasing it.
    Handle Release() {
        const Handle handle = m_handle;
        m_handle = Traits::Empty();
        return handle;
    }
    void Reset(Handle handle = Traits::Empty()) {
        if (m_handle != Traits::Empty()) Traits::Close(m_handle);
        m_handle = handle;
    }

private:
    Handle m_handle = Traits::Empty();
};

struct KernelHandleTraits {
    using Handle = HANDLE;
    static Handle Empty() { return nullptr; }
    static void Close(Handle handle) { CloseHandle(handle); }
};

struct RegionTraits {
    using Handle = HRGN;
    static Handle Empty() { return nullptr; }
    static void Close(Handle handle) { DeleteObject(handle); }
};

struct BitmapTraits {
    using Handle = HBITMAP;
    static Handle Empty() { return nullptr; }
    static void Close(Handle handle) { DeleteObject(handle); }
};

// Fonts, brushes and pens: DeleteObject, like regions and bitmaps.
template <class GdiHandle>
struct GdiObjectTraits {
    using Handle = GdiHandle;
    static Handle Empty() { return nullptr; }
    static void Close(Handle handle) { DeleteObject(handle); }
};

// A memory drawing context from CreateCompatibleDC.
struct MemoryDcTraits {
    using Handle = HDC;
    static Handle Empty() { return nullptr; }
    static void Close(Handle handle) { DeleteDC(handle); }
};

struct MenuTraits {
    using Handle = HMENU;
    static Handle Empty() { return nullptr; }
    static void Close(Handle handle) { DestroyMenu(handle); }
};

struct ModuleTraits {
    using Handle = HMODULE;
    static Handle Empty() { return nullptr; }
    static void Close(Handle handle) { FreeLibrary(handle); }
};

// Destroying a window works only on the thread that made it.
struct WindowTraits {
    using Handle = HWND;
    static Handle Empty() { return nullptr; }
    static void Close(Handle handle) { DestroyWindow(handle); }
};

struct SafeArrayTraits {
    using Handle = SAFEARRAY*;
    static Handle Empty() { return nullptr; }
    static void Close(Handle handle) { SafeArrayDestroy(handle); }
};

struct BstrTraits {
    using Handle = BSTR;
    static Handle Empty() { return nullptr; }
    static void Close(Handle handle) { SysFreeString(handle); }
};

using UniqueKernelHandle = UniqueHandle<KernelHandleTraits>;
using UniqueRegion = UniqueHandle<RegionTraits>;
using UniqueBitmap = UniqueHandle<BitmapTraits>;
using UniqueFont = UniqueHandle<GdiObjectTraits<HFONT>>;
using UniqueBrush = UniqueHandle<GdiObjectTraits<HBRUSH>>;
using UniqueMemoryDc = UniqueHandle<MemoryDcTraits>;
using UniqueMenu = UniqueHandle<MenuTraits>;
using UniqueModule = UniqueHandle<ModuleTraits>;
using UniqueWindow = UniqueHandle<WindowTraits>;
using UniqueSafeArray = UniqueHandle<SafeArrayTraits>;
using UniqueBstr = UniqueHandle<BstrTraits>;
