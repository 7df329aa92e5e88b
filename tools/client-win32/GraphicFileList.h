#pragma once
// The engine's installed-file list (VimroGE.GraphicFiles) as the sample clients read it.
#include <windows.h>

#include <oleauto.h>

#include "ComPtr.h"
#include "VimroGE.h"

namespace client {

// A fresh GraphicFiles object, or an empty pointer when the engine is not registered.
inline com::ComPtr<IGraphicFiles> CreateFileList() {
    com::ComPtr<IGraphicFiles> files;
    CLSID classId{};
    if (SUCCEEDED(CLSIDFromProgID(L"VimroGE.GraphicFiles", &classId))) {
        CoCreateInstance(classId, nullptr, CLSCTX_INPROC_SERVER, IID_IGraphicFiles, files.PutVoid());
    }
    return files;
}

// The list's item at a position (an empty pointer past the end).
inline com::ComPtr<IGraphicFile> ItemAt(IGraphicFiles& files, LONG index) {
    VARIANT position;
    VariantInit(&position);
    position.vt = VT_I4;
    position.lVal = index;
    com::ComPtr<IGraphicFile> file;
    files.Item(position, file.Put());
    return file;
}

}  // namespace client
