#include "CGraphicEngine.h"

#include "Bstr.h"
#include "CCharacter.h"
#include "ErrorInfo.h"

namespace {

HRESULT Report(const wchar_t* text) { return com::ReportError(kGraphicEngineSource, text, IID_IGraphicEngine); }

}  // namespace

void* CGraphicEngine::FindInterface(REFIID iid) {
    if (IsEqualIID(iid, IID_IGraphicEngine) || IsEqualIID(iid, IID_IDispatch)) return static_cast<IGraphicEngine*>(this);
    if (IsEqualIID(iid, IID_ISupportErrorInfo)) return static_cast<ISupportErrorInfo*>(this);
    return nullptr;
}

// The table's references go; characters the client still holds live on.
void CGraphicEngine::FinalRelease() { m_characters.clear(); }

// A failed Load leaves its out-parameter null: a character that could not be initialized is
// released at once, and its thread ends.
STDMETHODIMP CGraphicEngine::Load(BSTR id, BSTR characterName, HWND owner, ICharacter** loaded) {
    return Guarded([&]() -> HRESULT {
        if (loaded == nullptr) return E_POINTER;
        *loaded = nullptr;
        // A character that cannot be read throws: the guard reports it as "Unexpected Error.".
        com::ComPtr<ICharacter> made;
        const HRESULT result = LoadCharacter(com::TextOf(id), com::TextOf(characterName), owner, made);
        if (SUCCEEDED(result)) *loaded = made.Detach();
        return result;
    });
}

HRESULT CGraphicEngine::LoadCharacter(const std::wstring& id, const std::wstring& characterName, HWND owner,
                                      com::ComPtr<ICharacter>& loaded) {
    if (m_characters.count(id) != 0) return Report(L"Character Already Exist.");
    com::ComPtr<CCharacter> created;
    if (FAILED(CCharacter::CreateOwnedBy(owner, created))) return Report(L"Failed to Create Character.");
    loaded = com::ComPtr<ICharacter>(created.Get());
    switch (created->InitCharacter(id, characterName)) {
    case InitResult::AlreadyInitialized: return Report(L"Character already initialized");
    case InitResult::NoFile: return Report(L"Character animation file not exist");
    case InitResult::FileListFailure: return DISP_E_EXCEPTION;  // reported by the character
    case InitResult::Success: break;
    }
    m_characters.emplace(id, std::move(created));
    return S_OK;
}

STDMETHODIMP CGraphicEngine::Unload(BSTR id) {
    return Guarded([&]() -> HRESULT {
        const auto found = m_characters.find(com::TextOf(id));
        if (found == m_characters.end()) return Report(L"Invalid Character ID.");
        const com::ComPtr<CCharacter> released = std::move(found->second);
        m_characters.erase(found);
        return S_OK;  // the table's reference goes with released
    });
}

STDMETHODIMP CGraphicEngine::get_Version(BSTR* value) {
    return Guarded([&]() -> HRESULT {
        if (value == nullptr) return E_POINTER;
        *value = com::Bstr(L"1.0.0.0S").Detach();
        return *value != nullptr ? S_OK : Report(L"Version not valid");
    });
}
