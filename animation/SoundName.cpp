#include "SoundName.h"

// A bare file name: no folder, no drive, and not a name that Windows reads as a folder itself
// ("." and "..", or only dots and spaces, which it trims away). Dots inside a name
// ("step..wav") are part of the file name.
bool IsPlayableSoundName(const std::string& name) {
    if (name.find_first_not_of(". ") == std::string::npos) return false;
    return name.find_first_of("\\/:") == std::string::npos;
}
