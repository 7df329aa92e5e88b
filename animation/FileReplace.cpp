#include "FileReplace.h"

#include <cstdio>

#include "CFileWriter.h"
#include "SystemError.h"

bool WriteFileReplacing(const std::string& path, const std::vector<uint8_t>& bytes, int& systemError) {
    const std::string temporary = path + ".writing";
    systemError = 0;
    bool created = false;
    bool written = false;
    {
        CFileWriter writer(temporary);
        created = writer.Good();
        written = created && writer.Write(bytes.data(), bytes.size()) && writer.Close();
        if (!written) systemError = LastSystemError();
    }
    if (written) {
        if (ReplaceFileWith(temporary, path)) return true;
        systemError = LastSystemError();
    }
    // Only a file made here goes: whatever stood in its place (a folder of that name) stays.
    if (created) std::remove(temporary.c_str());
    return false;
}
