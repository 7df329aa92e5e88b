#include "InstalledCharacters.h"

#include "PlatformHeaders.h"

#include <algorithm>

#include "Bstr.h"
#include "ComPtr.h"
#include "GraphicFileList.h"
#include "VimroGE.h"
#include "WideText.h"

namespace desk {

namespace {

constexpr LONG kMaxListed = 1000;
constexpr LONG kMaxAnimations = 10000;

using client::CreateFileList;
using client::ItemAt;

// The names in the VARIANT array getAnimationNames returns (BSTRs or VARIANTs of BSTR).
std::vector<std::string> NamesIn(VARIANT& value) {
    std::vector<std::string> names;
    if ((value.vt & VT_ARRAY) == 0 || value.parray == nullptr || SafeArrayGetDim(value.parray) != 1) return names;
    LONG low = 0, high = -1;
    SafeArrayGetLBound(value.parray, 1, &low);
    SafeArrayGetUBound(value.parray, 1, &high);
    const VARTYPE element = static_cast<VARTYPE>(value.vt & VT_TYPEMASK);
    for (LONG i = low; i <= high && i - low < kMaxAnimations; ++i) {
        VARIANT item;
        VariantInit(&item);
        if (element == VT_VARIANT) {
            SafeArrayGetElement(value.parray, &i, &item);
        } else if (element == VT_BSTR) {
            BSTR text = nullptr;
            if (SUCCEEDED(SafeArrayGetElement(value.parray, &i, &text))) {
                item.vt = VT_BSTR;
                item.bstrVal = text;
            }
        }
        if (item.vt == VT_BSTR) names.push_back(Utf8FromWide(com::TextOf(item.bstrVal)));
        VariantClear(&item);
    }
    return names;
}

std::optional<InstalledCharacter> Describe(IGraphicFile& file) {
    com::Bstr name, path;
    if (FAILED(file.get_characterName(name.Put())) || FAILED(file.get_FileName(path.Put()))) return std::nullopt;
    InstalledCharacter character{Utf8FromWide(name.Text()), path.Text(), {}};
    if (character.name.empty()) return std::nullopt;
    VARIANT animations;
    VariantInit(&animations);
    if (SUCCEEDED(file.getAnimationNames(&animations))) character.animations = NamesIn(animations);
    VariantClear(&animations);
    return character;
}

}  // namespace

bool SameCharacterName(const std::string& a, const std::string& b) {
    const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(), [&](char x, char y) { return lower(x) == lower(y); });
}

std::vector<InstalledCharacter> ReadInstalledCharacters() {
    std::vector<InstalledCharacter> installed;
    const com::ComPtr<IGraphicFiles> files = CreateFileList();
    LONG count = 0;
    if (!files || FAILED(files->Count(&count))) return installed;
    for (LONG index = 1; index <= count && index <= kMaxListed; ++index) {
        const com::ComPtr<IGraphicFile> file = ItemAt(*files.Get(), index);
        if (!file) continue;
        auto character = Describe(*file.Get());
        if (!character) continue;
        const bool known = std::any_of(installed.begin(), installed.end(), [&](const InstalledCharacter& other) {
            return SameCharacterName(other.name, character->name);
        });
        if (!known) installed.push_back(std::move(*character));
    }
    return installed;
}

std::optional<InstalledCharacter> FindInstalled(const std::string& name) {
    for (InstalledCharacter& character : ReadInstalledCharacters()) {
        if (SameCharacterName(character.name, name)) return std::move(character);
    }
    return std::nullopt;
}

}  // namespace desk
