#include "CGraphicFile.h"

#include "AnsiText.h"
#include "Bstr.h"
#include "CharacterFileInfo.h"
#include "ErrorInfo.h"
#include "SafeArray.h"

namespace {

HRESULT Report(const wchar_t* text) { return com::ReportError(kGraphicFileSource, text, IID_IGraphicFile); }

}  // namespace

CGraphicFile::CGraphicFile() : m_version(L"1.0.0.0") {}

void* CGraphicFile::FindInterface(REFIID iid) {
    if (IsEqualIID(iid, IID_IGraphicFile) || IsEqualIID(iid, IID_IDispatch)) return static_cast<IGraphicFile*>(this);
    if (IsEqualIID(iid, IID_ISupportErrorInfo)) return static_cast<ISupportErrorInfo*>(this);
    if (IsEqualIID(iid, IID_IMarshal)) return m_marshaler.Marshal(Identity());
    return nullptr;
}

bool CGraphicFile::OpenFile(BSTR path) {
    if (path == nullptr) return false;
    m_fileName = com::TextOf(path);
    m_fileTitle = m_fileName;
    const CharacterFileInfo info = ReadCharacterFileInfo(ToAnsi(*m_fileName));
    m_characterName = FromAnsi(info.characterName);
    m_animationNames.clear();
    for (const std::string& name : info.animationNames) m_animationNames.push_back(FromAnsi(name));
    return !m_animationNames.empty();
}

void CGraphicFile::ClearFields() {
    m_fileName.reset();
    m_comment.reset();
    m_version.reset();
    m_fileTitle.reset();
    m_characterName.reset();
    m_animationNames.clear();
}

HRESULT CGraphicFile::CopyField(const std::optional<std::wstring>& field, BSTR* value, const wchar_t* missing) const {
    if (value == nullptr) return E_POINTER;
    *value = nullptr;
    if (!field) return Report(missing);
    *value = com::Bstr(*field).Detach();
    return *value != nullptr ? S_OK : E_OUTOFMEMORY;
}

STDMETHODIMP CGraphicFile::getAnimationNames(VARIANT* names) {
    return Guarded([&]() -> HRESULT {
        if (names == nullptr) return Report(L"Null animation array");
        com::SafeArray array = com::MakeStringArray(m_animationNames);
        if (!array) return E_OUTOFMEMORY;
        VariantInit(names);
        names->vt = VT_ARRAY | VT_BSTR;
        names->parray = array.Detach();
        return S_OK;
    });
}

STDMETHODIMP CGraphicFile::get_characterName(BSTR* value) {
    return Guarded([&]() -> HRESULT {
        return CopyField(m_characterName, value, L"Character not initialized");
    });
}

STDMETHODIMP CGraphicFile::get_Comment(BSTR* value) {
    return Guarded([&]() -> HRESULT { return CopyField(m_comment, value, L"Comment not initialized"); });
}

STDMETHODIMP CGraphicFile::put_Comment(BSTR value) {
    return Guarded([&]() -> HRESULT {
        if (value == nullptr) return Report(L"Comment is not valid");
        m_comment = com::TextOf(value);
        return S_OK;
    });
}

STDMETHODIMP CGraphicFile::get_Version(BSTR* value) {
    return Guarded([&]() -> HRESULT { return CopyField(m_version, value, L"Version is not valid"); });
}

STDMETHODIMP CGraphicFile::get_FileTitle(BSTR* value) {
    return Guarded([&]() -> HRESULT {
        return CopyField(m_fileTitle, value, L"Character not initialized");
    });
}

STDMETHODIMP CGraphicFile::get_FileName(BSTR* value) {
    return Guarded([&]() -> HRESULT {
        return CopyField(m_fileName, value, L"Character not initialized");
    });
}

STDMETHODIMP CGraphicFile::put_FileName(BSTR value) {
    return Guarded([&]() -> HRESULT {
        if (value == nullptr) return Report(L"Null FileName");
        ClearFields();
        if (!OpenFile(value)) return Report(L"Error opening graphic file");
        return S_OK;
    });
}
