#include "CFilePicker.h"

#include <commdlg.h>

#include <vector>

#include "ImportForm.h"

HWND ActiveEditorWindow(HWND anyEditorWindow) {
    HWND main = GetAncestor(anyEditorWindow, GA_ROOTOWNER);
    return main != nullptr ? GetLastActivePopup(main) : anyEditorWindow;
}

bool CFilePicker::Run(HWND editorWindow) {
    const std::string filter = PickerFilterString(m_spec.filter);
    std::vector<char> file(32768, '\0');  // room for many names when several can be chosen
    m_initialName.copy(file.data(), file.size() - 1);
    char startFolder[255] = {};
    GetCurrentDirectoryA(sizeof startFolder, startFolder);

    OPENFILENAMEA request{};
    request.lStructSize = sizeof request;
    request.hwndOwner = ActiveEditorWindow(editorWindow);
    request.lpstrFilter = filter.c_str();
    request.nFilterIndex = 1;
    request.lpstrFile = file.data();
    request.nMaxFile = static_cast<DWORD>(file.size());
    request.lpstrInitialDir = startFolder;
    request.lpstrDefExt = m_spec.defaultExtension;
    request.Flags = m_spec.flags;
    const BOOL chosen = m_spec.mode == PickerMode::Open ? GetOpenFileNameA(&request) : GetSaveFileNameA(&request);
    if (!chosen) return false;
    m_fullPaths = PathsFromPickerAnswer(file);
    if (m_fullPaths.empty()) return false;
    m_fullPath = m_fullPaths.front();
    // The chosen file's folder becomes the current directory, as the platform's picker does
    // without OFN_NOCHANGEDIR (not every implementation does it for a typed full path): the
    // next picker opens there and the preview finds sounds chosen there.
    SetCurrentDirectoryA(FolderOfPath(m_fullPath).c_str());
    return true;
}
