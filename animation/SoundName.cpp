#include "SoundName.h"

#include <algorithm>
#include <cctype>

namespace {

// What Windows compares against its device names: the part before the first dot, without the
// spaces that end it, in capitals ("con .wav" opens the console).
std::string DeviceStem(const std::string& name) {
    std::string stem = name.substr(0, name.find('.'));
    while (!stem.empty() && stem.back() == ' ') stem.pop_back();
    std::transform(stem.begin(), stem.end(), stem.begin(),
                   [](char c) { return static_cast<char>(std::toupper(static_cast<unsigned char>(c))); });
    return stem;
}

// A digit, or superscript 1, 2 or 3 in the ANSI code page (Windows reads "COM¹" as a port).
bool IsPortNumber(char c) {
    const auto byte = static_cast<unsigned char>(c);
    return std::isdigit(byte) != 0 || byte == 0xB9 || byte == 0xB2 || byte == 0xB3;
}

// CON, PRN, AUX, NUL, CONIN$, CONOUT$, COM0 to COM9 and LPT0 to LPT9, with any extension.
bool IsDeviceName(const std::string& name) {
    const std::string stem = DeviceStem(name);
    for (const char* device : {"CON", "PRN", "AUX", "NUL", "CONIN$", "CONOUT$"}) {
        if (stem == device) return true;
    }
    return stem.size() == 4 && (stem.compare(0, 3, "COM") == 0 || stem.compare(0, 3, "LPT") == 0) &&
           IsPortNumber(stem[3]);
}

// Characters a Windows file name cannot hold: controls, wildcards, quotes and redirections.
bool HasCharacterNoFileNameHolds(const std::string& name) {
    return std::any_of(name.begin(), name.end(), [](char c) {
        return static_cast<unsigned char>(c) < 0x20 || std::string("<>\"|?*").find(c) != std::string::npos;
    });
}

}  // namespace

// A bare file name: no folder, no drive, and not a name that Windows reads as a folder itself
// ("." and "..", or only dots and spaces, which it trims away) or as a device. Dots inside a
// name ("step..wav") are part of the file name.
bool IsPlayableSoundName(const std::string& name) {
    if (name.find_first_not_of(". ") == std::string::npos) return false;
    if (name.find_first_of("\\/:") != std::string::npos) return false;
    return !HasCharacterNoFileNameHolds(name) && !IsDeviceName(name);
}
