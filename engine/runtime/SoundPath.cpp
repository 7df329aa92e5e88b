#include "SoundPath.h"

bool IsPlayableSoundName(const std::string& name) {
    if (name.empty()) return false;
    if (name.find_first_of("\\/:") != std::string::npos) return false;
    return name.find("..") == std::string::npos;
}

std::string SoundFilePath(const std::string& startDirectory, const std::string& name) {
    return startDirectory + "\\sounds\\" + name;
}
