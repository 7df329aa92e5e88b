// The request members of Character: Play and PlayCommonAnimation (checked here, handed to the
// character thread by synchronous message), Stop and StopAll (posted), WaitForRequest, and the
// members that are accepted and do nothing.
#include "AnsiText.h"
#include "Bstr.h"
#include "CCharacter.h"
#include "CCharacterThread.h"
#include "CharacterMessages.h"
#include "CharacterQueries.h"
#include "CharacterWait.h"
#include "ComPtr.h"
#include "ComponentIds.h"
#include "MessageBoxes.h"
#include "RequestArrays.h"

std::optional<std::wstring> CCharacter::ListedName(BSTR animationName) const {
    return FindListedName(m_animationNames, com::TextOf(animationName));
}

// The ID is counted before the message goes, so IDs run on over both request kinds. The
// window destroys the array; one that cannot reach the window is destroyed here.
int32_t CCharacter::SendRequest(UINT message, SAFEARRAY* array) {
    UniqueSafeArray owned(array);
    const int32_t requestId = m_requests.Next();
    SendRequestArray(WindowHandle(), message, std::move(owned), requestId);
    return requestId;
}

// The request carries the listed spelling of the name: the character thread looks it up
// exactly, while the check here ignores the case of A to Z.
STDMETHODIMP CCharacter::Play(BSTR animationName, LONG destinationX, LONG destinationY, LONG isShift,
                              LONG* requestId) {
    return Guarded([&]() -> HRESULT {
        if (!m_receiver.Exists()) return S_OK;
        const std::optional<std::wstring> listed = ListedName(animationName);
        if (!listed) {
            ShowErrorBox(m_receiver.Handle(), "Animation not found");
            return S_OK;
        }
        UniqueSafeArray array = MakePlayArray(*listed, destinationX, destinationY, isShift);
        if (!array) return E_OUTOFMEMORY;
        const int32_t id = SendRequest(CHM_PLAY, array.Release());
        if (requestId != nullptr) *requestId = id;
        return S_OK;
    });
}

STDMETHODIMP CCharacter::PlayCommonAnimation(BSTR animationName, ICharacter* otherCharacter, LONG* requestId) {
    return Guarded([&]() -> HRESULT {
        if (!m_receiver.Exists()) return S_OK;
        if (otherCharacter == nullptr) return E_INVALIDARG;  // a request without partner would never complete
        // Only a character of this engine in this process can be driven from a character thread:
        // a proxy from another apartment, a script object or a foreign implementation is refused
        // here, before an ID is counted. The character thread gets the engine's own object.
        const com::ComPtr<ICharacterInternal> partner = com::QueryAs<ICharacterInternal>(otherCharacter);
        if (!partner) return E_INVALIDARG;
        const std::optional<std::wstring> listed = ListedName(animationName);
        if (!listed) {
            ShowErrorBox(m_receiver.Handle(), "Common animation not found");
            return S_OK;
        }
        UniqueSafeArray array = MakePlayCommonArray(*listed, static_cast<ICharacter*>(partner->Self()));
        if (!array) return E_OUTOFMEMORY;
        const int32_t id = SendRequest(CHM_PLAYCOMMON, array.Release());
        if (requestId != nullptr) *requestId = id;
        return S_OK;
    });
}

STDMETHODIMP CCharacter::Stop(LONG requestId) {
    return Guarded([&]() -> HRESULT {
        if (!m_receiver.Exists()) return S_OK;
        if (const HWND window = WindowHandle()) PostMessageA(window, CHM_STOP, 0, requestId);
        return S_OK;
    });
}

STDMETHODIMP CCharacter::StopAll() {
    return Guarded([&]() -> HRESULT {
        if (!m_receiver.Exists()) return S_OK;
        if (const HWND window = WindowHandle()) PostMessageA(window, CHM_STOPALL, 0, 0);
        return S_OK;
    });
}

STDMETHODIMP CCharacter::WaitForRequest(LONG requestId, LONG* cause) {
    return Guarded([&]() -> HRESULT {
        if (cause == nullptr) return E_POINTER;
        CharacterWait wait(Window(), m_thread->CompletionEvent(), m_completions);
        *cause = static_cast<LONG>(WaitForCompletion(wait, requestId));
        return S_OK;
    });
}

// Accepted and done nothing with; out-values stay as the caller left them.
STDMETHODIMP CCharacter::StopCommonAnimation(LONG) { return S_OK; }
STDMETHODIMP CCharacter::Interrupt(LONG) { return S_OK; }
STDMETHODIMP CCharacter::Continue(LONG) { return S_OK; }
STDMETHODIMP CCharacter::put_Width(LONG) { return S_OK; }
STDMETHODIMP CCharacter::put_Height(LONG) { return S_OK; }
