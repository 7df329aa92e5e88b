#include <windows.h>

#include "../FileReplace.h"

bool ReplaceFileWith(const std::string& source, const std::string& target) {
    // Windows refuses to replace a read-only file; Wine does not always, so it is asked first.
    const DWORD attributes = GetFileAttributesA(target.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY) != 0) {
        SetLastError(ERROR_ACCESS_DENIED);
        return false;
    }
    return MoveFileExA(source.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
}
