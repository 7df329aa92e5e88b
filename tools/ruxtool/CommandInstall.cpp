#include <filesystem>
#include <memory>
#include <ostream>

#include "CFileList.h"
#include "CharacterFileInfo.h"
#include "Commands.h"

namespace {

// The list key, or nothing after telling why it cannot be had.
std::unique_ptr<IRegistryKey> OpenList(const FileListOpener& open, const char* command, std::ostream& err) {
    if (!open) {
        err << "ruxtool " << command << ": the installed-file list exists on Windows only\n";
        return nullptr;
    }
    std::unique_ptr<IRegistryKey> key = open();
    if (key == nullptr || key->IsInvalid()) {
        err << "ruxtool " << command << ": the installed-file list cannot be opened\n";
        return nullptr;
    }
    return key;
}

// Clients find a listed file by its path from any folder: the list holds full paths.
std::string FullPath(const std::string& path) {
    const std::filesystem::path given(path);
    return given.is_absolute() ? path : std::filesystem::absolute(given).string();
}

// One file into the list; false when it is no usable character file or cannot be written.
bool InstallOne(CFileList& list, const std::string& file, std::ostream& out, std::ostream& err) {
    const std::string path = FullPath(file);
    const CharacterFileInfo info = ReadCharacterFileInfo(path);
    if (!info.Usable()) {
        err << "ruxtool install: " << path << " is no character file with animations\n";
        return false;
    }
    if (const std::optional<long long> listed = list.FindPath(path)) {
        out << info.characterName << " is already installed as " << CFileList::ValueName(*listed) << '\n';
        return true;
    }
    const long long index = list.FirstMissingIndex();
    if (!list.Add(path)) {
        err << "ruxtool install: cannot write " << CFileList::ValueName(index) << '\n';
        return false;
    }
    out << "installed " << info.characterName << " as " << CFileList::ValueName(index) << '\n';
    return true;
}

}  // namespace

int RunInstall(const std::vector<std::string>& files, const FileListOpener& open, std::ostream& out,
               std::ostream& err) {
    if (files.empty()) {
        err << "ruxtool install: expected FILE.rux... (usage: ruxtool install FILE.rux...)\n";
        return kExitUsage;
    }
    const std::unique_ptr<IRegistryKey> key = OpenList(open, "install", err);
    if (key == nullptr) return kExitFailure;
    CFileList list(*key);
    bool allInstalled = true;
    for (const std::string& file : files) allInstalled = InstallOne(list, file, out, err) && allInstalled;
    return allInstalled ? kExitOk : kExitFailure;
}

int RunUninstall(const std::vector<std::string>& files, const FileListOpener& open, std::ostream& out,
                 std::ostream& err) {
    if (files.empty()) {
        err << "ruxtool uninstall: expected FILE.rux... (usage: ruxtool uninstall FILE.rux...)\n";
        return kExitUsage;
    }
    const std::unique_ptr<IRegistryKey> key = OpenList(open, "uninstall", err);
    if (key == nullptr) return kExitFailure;
    CFileList list(*key);
    for (const std::string& file : files) {
        const std::string path = FullPath(file);
        const int removed = list.RemovePath(path);
        out << "uninstalled " << path << ": " << removed << " entr" << (removed == 1 ? "y" : "ies") << '\n';
    }
    return kExitOk;
}
