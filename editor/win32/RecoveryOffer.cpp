#include "RecoveryOffer.h"

#include <shlobj.h>

#include <vector>

std::string TarvelDataFolder() {
    // The environment's value first: it is the user's, and a test can point it elsewhere.
    char base[MAX_PATH] = {};
    const DWORD length = GetEnvironmentVariableA("LOCALAPPDATA", base, MAX_PATH);
    if ((length == 0 || length >= MAX_PATH) &&
        FAILED(SHGetFolderPathA(nullptr, CSIDL_LOCAL_APPDATA | CSIDL_FLAG_CREATE, nullptr, SHGFP_TYPE_CURRENT, base)))
        return std::string();
    const std::string folder = std::string(base) + "\\Tarvel";
    if (!CreateDirectoryA(folder.c_str(), nullptr) && GetLastError() != ERROR_ALREADY_EXISTS) return std::string();
    return folder;
}

std::string RecoveryStamp() {
    SYSTEMTIME now{};
    GetLocalTime(&now);
    char stamp[64] = {};
    wsprintfA(stamp, "%04u%02u%02u-%02u%02u%02u-%lu", now.wYear, now.wMonth, now.wDay, now.wHour, now.wMinute,
              now.wSecond, GetCurrentProcessId());
    return stamp;
}

std::string FullPathOf(const std::string& path) {
    const DWORD needed = GetFullPathNameA(path.c_str(), 0, nullptr, nullptr);
    if (needed == 0) return path;
    std::vector<char> full(needed);
    const DWORD written = GetFullPathNameA(path.c_str(), needed, full.data(), nullptr);
    return written > 0 && written < needed ? std::string(full.data(), written) : path;
}

std::optional<RecoveryEntry> OfferRecoveryCopy(HWND owner, const std::optional<std::string>& startFile) {
    const std::string folder = TarvelDataFolder();
    if (folder.empty()) return std::nullopt;
    const CRecoveryList list(folder);
    const std::string start = startFile ? FullPathOf(*startFile) : std::string();
    for (const RecoveryEntry& entry : list.Pending()) {
        if (startFile && lstrcmpiA(entry.document.c_str(), start.c_str()) != 0) continue;
        const int answer = MessageBoxA(owner, RecoveryQuestion(entry).c_str(), "Tarvel", MB_YESNO | MB_ICONQUESTION);
        list.Forget(entry);
        if (answer == IDYES) return entry;
    }
    return std::nullopt;
}
