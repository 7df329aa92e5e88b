// Show, Hide and DoIdle with their animations, and idling. With no animation set each of them
// does nothing and leaves RequestID as it was; unknown names are refused with a reported
// error, not a message box.
#include "AnsiText.h"
#include "Bstr.h"
#include "CCharacter.h"
#include "CCharacterThread.h"
#include "CharacterQueries.h"
#include "ErrorInfo.h"

namespace {

HRESULT Report(const wchar_t* text) { return com::ReportError(kCharacterSource, text, IID_ICharacter2); }

HRESULT Copy(const std::wstring& field, BSTR* value) {
    if (value == nullptr) return E_POINTER;
    *value = com::Bstr(field).Detach();
    return *value != nullptr ? S_OK : E_OUTOFMEMORY;
}

}  // namespace

HRESULT CCharacter::QueueStateRequest(RequestKind kind, const std::wstring& animation, LONG* requestId) {
    if (animation.empty() || !m_receiver.Exists() || !WindowExists()) return S_OK;
    Request request;
    request.kind = kind;
    request.animationName = ToAnsi(animation);
    request.inPlace = true;
    request.id = m_requests.Next();
    const int32_t id = request.id;
    Window().AppendRequest(std::move(request));
    if (requestId != nullptr) *requestId = id;
    return S_OK;
}

STDMETHODIMP CCharacter::Show(LONG* requestId) {
    return Guarded([&] { return QueueStateRequest(RequestKind::Show, m_showAnimation, requestId); });
}

STDMETHODIMP CCharacter::Hide(LONG* requestId) {
    return Guarded([&] { return QueueStateRequest(RequestKind::Hide, m_hideAnimation, requestId); });
}

// Several idle animations: one of them at random.
STDMETHODIMP CCharacter::DoIdle(LONG* requestId) {
    return Guarded([&]() -> HRESULT {
        if (m_idleNames.empty()) return S_OK;
        const std::wstring& name = m_idleNames[m_idleChoice() % m_idleNames.size()];
        return QueueStateRequest(RequestKind::Play, name, requestId);
    });
}

HRESULT CCharacter::SetStateAnimation(BSTR value, std::wstring& field) {
    const std::wstring name = com::TextOf(value);
    if (name.empty()) {
        field.clear();
        return S_OK;
    }
    const std::optional<std::wstring> listed = ListedName(value);
    if (!listed) return Report(L"Animation not found");
    field = *listed;
    return S_OK;
}

STDMETHODIMP CCharacter::get_ShowAnimation(BSTR* value) {
    return Guarded([&] { return Copy(m_showAnimation, value); });
}

STDMETHODIMP CCharacter::put_ShowAnimation(BSTR value) {
    return Guarded([&] { return SetStateAnimation(value, m_showAnimation); });
}

STDMETHODIMP CCharacter::get_HideAnimation(BSTR* value) {
    return Guarded([&] { return Copy(m_hideAnimation, value); });
}

STDMETHODIMP CCharacter::put_HideAnimation(BSTR value) {
    return Guarded([&] { return SetStateAnimation(value, m_hideAnimation); });
}

STDMETHODIMP CCharacter::get_IdleAnimation(BSTR* value) {
    return Guarded([&] { return Copy(m_idleAnimation, value); });
}

// One name or several separated by commas, each in the character's list.
STDMETHODIMP CCharacter::put_IdleAnimation(BSTR value) {
    return Guarded([&]() -> HRESULT {
        const std::optional<std::vector<std::wstring>> names = FindListedNames(m_animationNames, com::TextOf(value));
        if (!names) return Report(L"Animation not found");
        m_idleNames = *names;
        m_idleAnimation.clear();
        for (const std::wstring& name : m_idleNames) m_idleAnimation += (m_idleAnimation.empty() ? L"" : L",") + name;
        ApplyIdle();
        return S_OK;
    });
}

STDMETHODIMP CCharacter::get_IdleOn(LONG* value) {
    return Guarded([&]() -> HRESULT {
        if (value == nullptr) return E_POINTER;
        *value = m_idleOn ? 1 : 0;
        return S_OK;
    });
}

STDMETHODIMP CCharacter::put_IdleOn(LONG value) {
    return Guarded([&]() -> HRESULT {
        if (value != 0 && value != 1) return Report(L"IdleOn must be 0 or 1");
        m_idleOn = value == 1;
        ApplyIdle();
        return S_OK;
    });
}

// The character thread idles only with IdleOn and at least one idle animation.
void CCharacter::ApplyIdle() {
    if (!WindowExists()) return;
    std::vector<std::string> names;
    if (m_idleOn) {
        for (const std::wstring& name : m_idleNames) names.push_back(ToAnsi(name));
    }
    Window().SetIdle(std::move(names));
}
