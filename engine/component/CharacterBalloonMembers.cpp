// The balloon members of Character: the Balloon object, and Speak and Think, which are
// requests only while the balloon is enabled (otherwise they do nothing, as Speak always did).
#include "Bstr.h"
#include "CBalloon.h"
#include "CCharacter.h"
#include "CCharacterThread.h"

STDMETHODIMP CCharacter::get_Balloon(IBalloon** balloon) {
    return Guarded([&]() -> HRESULT {
        if (balloon == nullptr) return E_POINTER;
        *balloon = nullptr;
        if (!m_balloon) m_balloon = CBalloon::Make();
        if (!m_balloon) return E_OUTOFMEMORY;
        *balloon = static_cast<IBalloon*>(m_balloon.Get());
        (*balloon)->AddRef();
        return S_OK;
    });
}

STDMETHODIMP CCharacter::Speak(BSTR text, LONG* requestId) {
    return Guarded([&] { return QueueBalloon(RequestKind::Speak, text, requestId); });
}

STDMETHODIMP CCharacter::Think(BSTR text, LONG* requestId) {
    return Guarded([&] { return QueueBalloon(RequestKind::Think, text, requestId); });
}

// The request carries the balloon's look as it is now; a later change affects later requests.
HRESULT CCharacter::QueueBalloon(RequestKind kind, BSTR text, LONG* requestId) {
    if (!m_receiver.Exists() || !WindowExists() || !m_balloon || !m_balloon->IsEnabled()) return S_OK;
    Request request;
    request.kind = kind;
    const std::wstring wide = com::TextOf(text);
    request.text.assign(wide.begin(), wide.end());
    request.balloon = m_balloon->Style();
    request.id = m_requests.Next();
    const int32_t id = request.id;
    Window().AppendRequest(std::move(request));
    if (requestId != nullptr) *requestId = id;
    return S_OK;
}
