#pragma once
// Reads the installed-file list through VimroGE.GraphicFiles.
#include <optional>
#include <string>

// The full path of the first listed file that holds that character, if any.
std::optional<std::wstring> InstalledFileOf(const std::wstring& characterName);
// The folder part of a path ("C:\a\b.rux" -> "C:\a").
std::wstring FolderOf(const std::wstring& path);
