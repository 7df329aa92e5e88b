#pragma once
// The editor's file pickers: mode, default extension, initial name, filter, flags.
#include <cstdint>
#include <string>

enum class PickerMode { Open, Save };

struct FilePickerSpec {
    PickerMode mode;
    const char* defaultExtension;
    const char* initialName;  // the pattern, shown in the name box when the picker opens
    const char* filter;       // pairs of text and pattern separated by '|', ending with "||"
    uint32_t flags;           // OFN_ values
};

constexpr uint32_t kPickerHideReadOnly = 0x0004;
constexpr uint32_t kPickerPathMustExist = 0x0800;
constexpr uint32_t kPickerFileMustExist = 0x1000;
constexpr uint32_t kPickerAllowMultiple = 0x0200;
constexpr uint32_t kPickerExplorer = 0x80000;  // with several files: NUL-separated names

extern const FilePickerSpec kLoadCharacterPicker;
// Like Load, but a new file name is accepted (no file-must-exist flag).
extern const FilePickerSpec kSaveCharacterPicker;
extern const FilePickerSpec kOpenImagePicker;
extern const FilePickerSpec kInsertSoundPicker;
// Save as GIF: a new or existing .gif file (overwritten without a question, like Save).
extern const FilePickerSpec kSaveGifPicker;
// The pictures of an import: one GIF or sheet, or several pictures at once.
extern const FilePickerSpec kImportPicturesPicker;

// The filter as the platform's picker wants it: every '|' a NUL (the final "||" ends the list).
std::string PickerFilterString(const std::string& filter);

// The part of a path after its last '\\' or '/'.
std::string FileNameWithoutFolder(const std::string& path);
// The part before it (a drive's root keeps its separator: "C:\\").
std::string FolderOfPath(const std::string& path);
