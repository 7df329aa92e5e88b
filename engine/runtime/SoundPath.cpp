#include "SoundPath.h"

std::string SoundFilePath(const std::string& startDirectory, const std::string& name) {
    return startDirectory + "\\sounds\\" + name;
}
