#include "InstalledFiles.h"

#include <windows.h>

#include <oleauto.h>

#include "Bstr.h"
#include "ComPtr.h"
#include "GraphicFileList.h"
#include "VimroGE.h"

using client::CreateFileList;
using client::ItemAt;

std::optional<std::wstring> InstalledFileOf(const std::wstring& characterName) {
    const com::ComPtr<IGraphicFiles> files = CreateFileList();
    LONG count = 0;
    if (!files || FAILED(files->Count(&count))) return std::nullopt;
    for (LONG index = 1; index <= count; ++index) {
        const com::ComPtr<IGraphicFile> file = ItemAt(*files.Get(), index);
        com::Bstr name, path;
        if (!file || FAILED(file->get_characterName(name.Put())) || FAILED(file->get_FileName(path.Put()))) continue;
        if (_wcsicmp(name.Text().c_str(), characterName.c_str()) == 0) return path.Text();
    }
    return std::nullopt;
}

std::wstring FolderOf(const std::wstring& path) {
    const size_t slash = path.find_last_of(L"\\/");
    return slash == std::wstring::npos ? std::wstring(L".") : path.substr(0, slash);
}
