// The events of Character: the receiver's notifications raised to every connected sink on the
// client's thread, the connection point container and the class information.
#include "CCharacter.h"
#include "CCharacterThread.h"
#include "CharacterMessages.h"
#include "Enumerators.h"
#include "TypeInfoCache.h"
#include "WindowValue.h"

namespace {

enum EventId : DISPID {
    kKey = 1,
    kChangeZOrder,
    kRequestStart,
    kRequestComplete,
    kContextMenu,
    kMove,
    kRButtonClick,
    kRButtonDblClick,
    kLButtonClick,
    kLButtonDblClick,
    kLButtonUp
};

// Client coordinates of a mouse notification, each as an unsigned 16-bit number.
int32_t LowWord(LPARAM value) { return static_cast<int32_t>(value & 0xFFFF); }
int32_t HighWord(LPARAM value) { return static_cast<int32_t>((value >> 16) & 0xFFFF); }

DISPID MouseEvent(UINT notification) {
    switch (notification) {
    case CRN_LBUTTONDOWN: return kLButtonClick;
    case CRN_LBUTTONDBLCLK: return kLButtonDblClick;
    case CRN_RBUTTONDOWN: return kRButtonClick;
    case CRN_RBUTTONDBLCLK: return kRButtonDblClick;
    case CRN_LBUTTONUP: return kLButtonUp;
    default: return DISPID_UNKNOWN;
    }
}

}  // namespace

void CCharacter::HandleNotification(UINT notification, WPARAM wParam, LPARAM lParam) {
    // A handler may let the last reference go; the object stays until the event is raised.
    const com::ComPtr<ICharacter> self(static_cast<ICharacter*>(this));
    const auto value = static_cast<int32_t>(wParam);
    switch (notification) {
    case CRN_REQUESTCOMPLETE:
        // The bookkeeping comes first, so a WaitForRequest inside a handler sees the completion.
        SetEvent(m_thread->CompletionEvent());
        m_completions.Record(value);
        m_events.Fire(kRequestComplete, {value});
        break;
    case CRN_REQUESTSTART: m_events.Fire(kRequestStart, {value}); break;
    case CRN_KEY: m_events.Fire(kKey, {value}); break;
    case CRN_CONTEXTMENU: m_events.Fire(kContextMenu, {value}); break;
    case CRN_ZORDER: m_events.Fire(kChangeZOrder, {HandleToWire(static_cast<uintptr_t>(wParam))}); break;
    case CRN_MOVE: FireMove(wParam); break;
    default:
        if (const DISPID event = MouseEvent(notification); event != DISPID_UNKNOWN) {
            m_events.Fire(event, {LowWord(lParam), HighWord(lParam)});
        }
        break;
    }
}

// The character window's client rectangle mapped to the screen, measured now.
void CCharacter::FireMove(WPARAM cause) {
    RECT rectangle{};
    if (const HWND window = WindowHandle()) {
        GetClientRect(window, &rectangle);
        MapWindowPoints(window, HWND_DESKTOP, reinterpret_cast<POINT*>(&rectangle), 2);
    }
    m_events.Fire(kMove, {rectangle.left, rectangle.top, rectangle.right - rectangle.left,
                          rectangle.bottom - rectangle.top, static_cast<int32_t>(cause)});
}

STDMETHODIMP CCharacter::EnumConnectionPoints(IEnumConnectionPoints** points) {
    return Guarded([&]() -> HRESULT {
        if (points == nullptr) return E_POINTER;
        *points = nullptr;
        std::vector<com::ComPtr<IConnectionPoint>> held{com::ComPtr<IConnectionPoint>(&m_events)};
        com::ComPtr<com::ConnectionPointEnumerator> enumerator = com::ConnectionPointEnumerator::Make(std::move(held));
        if (!enumerator) return E_OUTOFMEMORY;
        *points = enumerator.Detach();
        return S_OK;
    });
}

STDMETHODIMP CCharacter::FindConnectionPoint(REFIID iid, IConnectionPoint** point) {
    return Guarded([&]() -> HRESULT {
        if (point == nullptr) return E_POINTER;
        *point = nullptr;
        if (!IsEqualIID(iid, m_events.EventsIid())) return CONNECT_E_NOCONNECTION;
        *point = com::ComPtr<IConnectionPoint>(&m_events).Detach();
        return S_OK;
    });
}

STDMETHODIMP CCharacter::GetClassInfo(ITypeInfo** info) {
    return Guarded([&]() -> HRESULT {
        return com::GetCachedTypeInfo(CLSID_character, LOCALE_USER_DEFAULT, info);
    });
}

STDMETHODIMP CCharacter::GetGUID(DWORD kind, GUID* guid) {
    return Guarded([&]() -> HRESULT {
        if (guid == nullptr) return E_POINTER;
        if (kind != GUIDKIND_DEFAULT_SOURCE_DISP_IID) {
            *guid = GUID_NULL;
            return E_FAIL;
        }
        *guid = DIID__ICharacterEvents;
        return S_OK;
    });
}
