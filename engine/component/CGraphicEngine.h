#pragma once
// GraphicEngine: the entry object. Load makes a character, has it find and read its file and
// keeps it in the character table under the client's ID until Unload.
#include <map>
#include <string>

#include "ComObject.h"
#include "ComponentIds.h"
#include "Dispatch.h"
#include "ExceptionGuard.h"
#include "SupportErrorInfo.h"

class CCharacter;

class CGraphicEngine final
    : public com::ComObject<CGraphicEngine, com::SupportErrorInfo<IGraphicEngine>, com::Dispatch<IGraphicEngine>> {
public:
    CGraphicEngine() = default;

    // IGraphicEngine
    STDMETHODIMP Load(BSTR id, BSTR characterName, HWND owner, ICharacter** loaded) override;
    STDMETHODIMP Unload(BSTR id) override;
    STDMETHODIMP get_Version(BSTR* value) override;

private:
    // Every member's body runs under the guard, with this class as the error's source.
    template <class Body>
    static HRESULT Guarded(Body&& body) {
        return com::Guarded(kGraphicEngineSource, IID_IGraphicEngine, body);
    }
    void* FindInterface(REFIID iid) override;
    void FinalRelease() override;
    // Load's window handle comes from a script as a number (GraphicEngineInvoke.cpp).
    bool InvokeOwn(DISPID member, WORD flags, DISPPARAMS& parameters, VARIANT* result, EXCEPINFO* exception,
                   UINT* argumentError, HRESULT& handled) override;

    HRESULT LoadCharacter(const std::wstring& id, const std::wstring& characterName, HWND owner,
                          com::ComPtr<ICharacter>& loaded);

    // Keys compared code unit by code unit: IDs differing in letter case are two IDs.
    std::map<std::wstring, com::ComPtr<CCharacter>> m_characters;
};
