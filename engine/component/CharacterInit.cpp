// InitCharacter: finding the character's file in the installed-file list and loading it.
#include <stdexcept>

#include "AnsiText.h"
#include "Bstr.h"
#include "CCharacter.h"
#include "CCharacterThread.h"
#include "CGraphicFiles.h"
#include "ErrorInfo.h"
#include "MessageBoxes.h"
#include "NameCompare.h"
#include "SafeArray.h"
#include "Variant.h"

namespace {

struct FoundFile {
    std::wstring path;
    std::vector<std::wstring> animationNames;
};

bool SameCharacter(const std::wstring& a, const std::wstring& b) { return EqualsIgnoringAsciiCase<wchar_t>(a, b); }

// The first listed file whose character name matches, asked item by item.
bool FindListedFile(CGraphicFiles& files, const std::wstring& characterName, FoundFile& found) {
    LONG count = 0;
    if (FAILED(files.Count(&count))) count = 0;
    for (LONG i = 1; i <= count; ++i) {
        VARIANT index;
        VariantInit(&index);
        index.vt = VT_I4;
        index.lVal = i;
        com::ComPtr<IGraphicFile> item;
        if (FAILED(files.Item(index, item.Put())) || !item) continue;
        com::Bstr name, path;
        if (FAILED(item->get_characterName(name.Put())) || !SameCharacter(name.Text(), characterName)) continue;
        com::Variant names;
        item->getAnimationNames(names.Get());
        if (names.Type() == (VT_ARRAY | VT_BSTR)) com::ReadStringArray(names.Get()->parray, found.animationNames);
        item->get_FileName(path.Put());
        found.path = path.Text();
        return true;
    }
    return false;
}

}  // namespace

InitResult CCharacter::InitCharacter(const std::wstring& id, const std::wstring& characterName) {
    if (m_id) return InitResult::AlreadyInitialized;
    m_characterName = characterName;
    m_id = id;
    const com::ComPtr<CGraphicFiles> files = CGraphicFiles::Make();
    if (!files) {
        com::ReportError(kCharacterSource, L"Failed initialize GraphicFiles component", IID_ICharacter);
        return InitResult::FileListFailure;
    }
    m_animationNames.clear();
    FoundFile found;
    if (!FindListedFile(*files.Get(), characterName, found)) return InitResult::NoFile;
    m_animationNames = std::move(found.animationNames);
    m_fileName = std::move(found.path);
    if (!Window().LoadCharacterFile(ToAnsi(m_fileName))) {
        ShowFatalErrorBox(WindowHandle(), "Not valid character");
        throw std::runtime_error("Not valid character");
    }
    return InitResult::Success;
}
