// The members of Character that read or change the character window: visibility, z-order,
// handle, size, position and flags. Window handles cross the interface as 32-bit values.
#include "Bstr.h"
#include "CCharacter.h"
#include "CCharacterThread.h"
#include "ErrorInfo.h"
#include "IntegerConversion.h"
#include "WindowValue.h"

namespace {

HRESULT Report(const wchar_t* text) { return com::ReportError(kCharacterSource, text, IID_ICharacter); }

LONG Truncated(float value) { return TruncateToInt32(value); }

RECT WindowRectangle(HWND window) {
    RECT rectangle{};
    GetWindowRect(window, &rectangle);
    return rectangle;
}

}  // namespace

STDMETHODIMP CCharacter::get_ID(BSTR* value) {
    return Guarded([&]() -> HRESULT {
        if (value == nullptr) return E_POINTER;
        *value = com::Bstr(m_id ? *m_id : std::wstring()).Detach();
        return S_OK;
    });
}

STDMETHODIMP CCharacter::get_Visible(LONG* value) {
    return Guarded([&]() -> HRESULT {
        if (value == nullptr) return E_POINTER;
        const HWND window = WindowHandle();
        *value = window != nullptr && IsWindowVisible(window) ? 1 : 0;
        return S_OK;
    });
}

STDMETHODIMP CCharacter::put_Visible(LONG value) {
    return Guarded([&]() -> HRESULT {
        if (WindowExists()) Window().SetVisible(value != 0);
        return S_OK;
    });
}

STDMETHODIMP CCharacter::get_ZOrder(LONG* value) {
    return Guarded([&]() -> HRESULT {
        if (value == nullptr) return E_POINTER;
        if (!WindowExists()) return Report(L"Invalid Window");
        *value = HandleToWire(reinterpret_cast<uintptr_t>(Window().ZOrderValue()));
        return S_OK;
    });
}

STDMETHODIMP CCharacter::put_ZOrder(LONG value) {
    return Guarded([&]() -> HRESULT {
        const HWND window = WindowHandle();
        if (window == nullptr) return Report(L"Invalid Window");
        const HWND insertAfter = reinterpret_cast<HWND>(WireToHandle(value));
        if (!SetWindowPos(window, insertAfter, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE)) return Report(L"Error Setting Window");
        return S_OK;
    });
}

STDMETHODIMP CCharacter::get_hWnd(LONG* value) {
    return Guarded([&]() -> HRESULT {
        if (value == nullptr) return E_POINTER;
        *value = HandleToWire(reinterpret_cast<uintptr_t>(WindowHandle()));
        return S_OK;
    });
}

STDMETHODIMP CCharacter::get_Width(LONG* value) {
    return Guarded([&]() -> HRESULT {
        if (value == nullptr) return E_POINTER;
        const HWND window = WindowHandle();
        const RECT rectangle = window != nullptr ? WindowRectangle(window) : RECT{};
        *value = rectangle.right - rectangle.left;
        return S_OK;
    });
}

STDMETHODIMP CCharacter::get_Height(LONG* value) {
    return Guarded([&]() -> HRESULT {
        if (value == nullptr) return E_POINTER;
        const HWND window = WindowHandle();
        const RECT rectangle = window != nullptr ? WindowRectangle(window) : RECT{};
        *value = rectangle.bottom - rectangle.top;
        return S_OK;
    });
}

STDMETHODIMP CCharacter::get_X(LONG* value) {
    return Guarded([&]() -> HRESULT {
        if (value == nullptr) return E_POINTER;
        *value = WindowExists() ? Truncated(Window().Position().x) : 0;
        return S_OK;
    });
}

STDMETHODIMP CCharacter::put_X(LONG value) {
    return Guarded([&]() -> HRESULT {
        // The position alone: the next tick of the character thread uses it.
        if (WindowExists()) Window().SetReferenceX(static_cast<float>(value));
        return S_OK;
    });
}

STDMETHODIMP CCharacter::get_Y(LONG* value) {
    return Guarded([&]() -> HRESULT {
        if (value == nullptr) return E_POINTER;
        *value = WindowExists() ? Truncated(Window().Position().y) : 0;
        return S_OK;
    });
}

STDMETHODIMP CCharacter::put_Y(LONG value) {
    return Guarded([&]() -> HRESULT {
        if (WindowExists()) Window().SetReferenceY(static_cast<float>(value));
        return S_OK;
    });
}

STDMETHODIMP CCharacter::SetPosition(LONG x, LONG y) {
    return Guarded([&]() -> HRESULT {
        if (WindowExists()) Window().SetPosition(static_cast<float>(x), static_cast<float>(y));
        return S_OK;
    });
}

STDMETHODIMP CCharacter::is_enabled(LONG* is) {
    return Guarded([&]() -> HRESULT {
        if (is == nullptr) return E_POINTER;
        *is = WindowExists() && Window().IsActive() ? 1 : 0;
        return S_OK;
    });
}

STDMETHODIMP CCharacter::get_sound(LONG* value) {
    return Guarded([&]() -> HRESULT {
        if (value == nullptr) return E_POINTER;
        *value = WindowExists() && Window().IsSoundOn() ? 1 : 0;
        return S_OK;
    });
}

STDMETHODIMP CCharacter::put_sound(LONG value) {
    return Guarded([&]() -> HRESULT {
        if (WindowExists()) Window().SetSoundOn(value != 0);
        return S_OK;
    });
}
