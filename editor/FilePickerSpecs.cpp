#include "FilePickerSpecs.h"

namespace {

constexpr const char* kCharacterFilter = "RUX animation (*.rux)|*.rux|All Files (*.*)|*.*||";
constexpr uint32_t kOpenFlags = kPickerHideReadOnly | kPickerPathMustExist | kPickerFileMustExist;

}  // namespace

const FilePickerSpec kLoadCharacterPicker{PickerMode::Open, "rux", "*.rux", kCharacterFilter, kOpenFlags};
const FilePickerSpec kSaveCharacterPicker{PickerMode::Save, "rux", "*.rux", kCharacterFilter,
                                          kPickerHideReadOnly | kPickerPathMustExist};
const FilePickerSpec kSaveGifPicker{PickerMode::Save, "gif", "*.gif",
                                    "GIF animation (*.gif)|*.gif|All Files (*.*)|*.*||",
                                    kPickerHideReadOnly | kPickerPathMustExist};
const FilePickerSpec kOpenImagePicker{
    PickerMode::Open, "bmp", "*.bmp",
    "Bitmap Files (*.bmp)|*.bmp|JPEG files (*.jpg)|*.jpg|Targa Files (*.tga)|*.tga|PNG Files (*.png)|*.png|"
    "All Files (*.*)|*.*||",
    kOpenFlags};
const FilePickerSpec kImportPicturesPicker{
    PickerMode::Open, "gif", "",
    "Pictures (*.gif, *.bmp, *.jpg, *.tga, *.png)|*.gif;*.bmp;*.jpg;*.jpeg;*.tga;*.png|All Files (*.*)|*.*||",
    kOpenFlags | kPickerAllowMultiple | kPickerExplorer};
const FilePickerSpec kInsertSoundPicker{PickerMode::Open, "wav", "*.wav",
                                        "Wave Files (*.wav)|*.wav|All Files (*.*)|*.*||", kOpenFlags};

std::string PickerFilterString(const std::string& filter) {
    std::string converted = filter;
    for (char& c : converted) {
        if (c == '|') c = '\0';
    }
    return converted;
}

std::string FileNameWithoutFolder(const std::string& path) {
    const size_t slash = path.find_last_of("\\/");
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string FolderOfPath(const std::string& path) {
    const size_t slash = path.find_last_of("\\/");
    if (slash == std::string::npos) return std::string();
    const bool driveRoot = slash == 2 && path[1] == ':';
    return path.substr(0, slash == 0 || driveRoot ? slash + 1 : slash);
}
