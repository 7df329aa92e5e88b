#pragma once
// One run of a platform file picker ("Open" or "Save As") built from a picker description.
#include <windows.h>

#include <string>
#include <vector>

#include "FilePickerSpecs.h"

class CFilePicker {
public:
    explicit CFilePicker(const FilePickerSpec& spec) : m_spec(spec), m_initialName(spec.initialName) {}
    // A name for the name box instead of the spec's pattern.
    void SetInitialName(std::string name) { m_initialName = std::move(name); }

    // Shows the picker over the editor's active dialog (found from any of its windows), starting
    // in the current directory. True when the author chose a file.
    bool Run(HWND editorWindow);
    const std::string& FullPath() const { return m_fullPath; }
    // Every chosen file, for a picker that takes several (the first is FullPath()).
    const std::vector<std::string>& FullPaths() const { return m_fullPaths; }
    std::string FileName() const { return FileNameWithoutFolder(m_fullPath); }

private:
    const FilePickerSpec& m_spec;
    std::string m_initialName;
    std::string m_fullPath;
    std::vector<std::string> m_fullPaths;
};

// The window a picker or message box of the editor belongs to: the active popup of the
// main dialog, which is the dialog the author is working in.
HWND ActiveEditorWindow(HWND anyEditorWindow);
