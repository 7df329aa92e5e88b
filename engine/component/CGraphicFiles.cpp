#include "CGraphicFiles.h"

#include <optional>

#include "AnsiText.h"
#include "Bstr.h"
#include "CFileList.h"
#include "CGraphicFile.h"
#include "DispArgs.h"
#include "ErrorInfo.h"
#include "RegistryKey.h"

namespace {

constexpr DISPID kAddId = 1;

HRESULT Report(const wchar_t* text) { return com::ReportError(kGraphicFilesSource, text, IID_IGraphicFiles); }

HRESULT NotAccessible() { return Report(L"Registry not accessible"); }

// The character name a listed file holds; empty when it cannot be read.
std::string CharacterNameOf(const std::string& path) {
    const com::ComPtr<CGraphicFile> file = CGraphicFile::Make();
    if (!file) return std::string();
    const com::Bstr widePath(FromAnsi(path));
    file->OpenFile(widePath.Get());
    return file->CharacterName() ? ToAnsi(*file->CharacterName()) : std::string();
}

// The numeric value of an index variant: 4-byte integers as they are, 2-byte integers
// sign-extended, 1-byte ones as unsigned.
std::optional<long long> IndexNumber(const VARIANT& index) {
    switch (index.vt) {
    case VT_I4: return index.lVal;
    case VT_I2: return index.iVal;
    case VT_I1: return static_cast<unsigned char>(index.cVal);
    default: return std::nullopt;
    }
}

}  // namespace

void* CGraphicFiles::FindInterface(REFIID iid) {
    if (IsEqualIID(iid, IID_IGraphicFiles) || IsEqualIID(iid, IID_IDispatch)) return static_cast<IGraphicFiles*>(this);
    if (IsEqualIID(iid, IID_ISupportErrorInfo)) return static_cast<ISupportErrorInfo*>(this);
    if (IsEqualIID(iid, IID_IMarshal)) return m_marshaler.Marshal(Identity());
    return nullptr;
}

STDMETHODIMP CGraphicFiles::Add(IGraphicFile* file) {
    return Guarded([&]() -> HRESULT {
        if (file == nullptr) return Report(L"Null graphic file");
        RegistryKey key;
        if (key.IsInvalid()) return NotAccessible();
        com::Bstr path;
        // A file object without a file name would list an empty path: nothing is written.
        if (FAILED(file->get_FileName(path.Put())) || path.Length() == 0) return Report(L"Graphic file has no file name");
        CFileList(key).Add(ToAnsi(path.Text()));
        return S_OK;
    });
}

STDMETHODIMP CGraphicFiles::Remove(BSTR characterName) {
    return Guarded([&]() -> HRESULT {
        RegistryKey key;
        if (key.IsInvalid()) return NotAccessible();
        CFileList(key).Remove(ToAnsi(com::TextOf(characterName)), &CharacterNameOf);
        return S_OK;
    });
}

STDMETHODIMP CGraphicFiles::Count(LONG* count) {
    return Guarded([&]() -> HRESULT {
        if (count == nullptr) return E_POINTER;
        RegistryKey key;
        if (key.IsInvalid()) return NotAccessible();
        *count = static_cast<LONG>(CFileList(key).Count());
        return S_OK;
    });
}

STDMETHODIMP CGraphicFiles::Item(VARIANT index, IGraphicFile** file) {
    return Guarded([&]() -> HRESULT {
        if (file == nullptr) return E_POINTER;
        const VARIANT* value = &index;
        if (index.vt == (VT_BYREF | VT_VARIANT)) {
            if (index.pvarVal == nullptr) return Report(L"Error getting item");
            value = index.pvarVal;
        }
        RegistryKey key;
        if (key.IsInvalid()) return NotAccessible();
        CFileList list(key);
        if (value->vt == VT_BSTR) return ItemByPath(list, value->bstrVal, file);
        if (const std::optional<long long> number = IndexNumber(*value)) return ItemByNumber(list, *number, file);
        return S_OK;  // any other kind of index: no object, no error
    });
}

HRESULT CGraphicFiles::ItemByPath(CFileList& list, BSTR path, IGraphicFile** file) {
    *file = nullptr;
    // Opened with the entry that matched: the list may change under us before a second read.
    const std::optional<ListedFile> found = list.FindEntry(ToAnsi(com::TextOf(path)));
    if (!found) return Report(L"File Not Exist");
    return OpenListed(found->path, file);
}

HRESULT CGraphicFiles::ItemByNumber(CFileList& list, long long number, IGraphicFile** file) {
    const std::optional<std::string> path = list.PathAt(number);
    if (!path) return Report(L"File Not Exist");  // the out-value stays as it was
    *file = nullptr;
    return OpenListed(*path, file);
}

HRESULT CGraphicFiles::OpenListed(const std::string& path, IGraphicFile** file) {
    com::ComPtr<CGraphicFile> opened = CGraphicFile::Make();
    if (!opened) return Report(L"Failed to create graphic file instance");
    const com::Bstr widePath(FromAnsi(path));
    if (!opened->OpenFile(widePath.Get())) return Report(L"File Not Exist");
    *file = opened.Detach();
    return S_OK;
}

STDMETHODIMP CGraphicFiles::get_Version(BSTR* value) {
    return Guarded([&]() -> HRESULT {
        if (value == nullptr) return E_POINTER;
        *value = com::Bstr(L"1.0.0.0").Detach();
        return S_OK;
    });
}

bool CGraphicFiles::InvokeOwn(DISPID member, WORD flags, DISPPARAMS& parameters, VARIANT* result,
                              EXCEPINFO* exception, UINT* argumentError, HRESULT& handled) {
    const com::DispArgs arguments(parameters);
    if (member != kAddId || (flags & DISPATCH_METHOD) == 0 || arguments.HasNamed() || arguments.Count() != 1) return false;
    if (result != nullptr) VariantInit(result);
    com::ComPtr<IGraphicFile> file;
    handled = arguments.ToInterface(0, IID_IGraphicFile, file.PutVoid());
    if (FAILED(handled)) {
        if (argumentError != nullptr) *argumentError = arguments.RawIndex(0);
        return true;
    }
    handled = Add(file.Get());
    if (handled == DISP_E_EXCEPTION) com::FillExceptionInfo(exception, handled);
    return true;
}
