#pragma once
// What the companion remembers between runs, as the strings the registry keeps: each
// character's "shown x y" or "hidden x y", and the tray menu's settings.
#include <optional>
#include <string>

#include "IDeskCharacters.h"

namespace desk {

struct SavedPlace {
    bool shown = false;
    DeskPoint position;
};

// The sizes the tray menu offers, in percent of the character's natural size.
constexpr int kScales[] = {100, 150, 200};

struct DeskSettings {
    bool stepAside = true;   // characters step aside for full-screen programs
    int scalePercent = 100;  // one of kScales
    bool quiet = false;      // no idle life, no sounds, no balloons
};

std::string FormatPlace(const SavedPlace& place);
// The place a string describes; nothing for anything else (the registry is the user's to edit).
std::optional<SavedPlace> ParsePlace(const std::string& text);

// A saved scale the menu offers, else 100.
int ValidScale(long percent);

// Whether a name may be a saved character's: 1 to 64 characters, no control characters.
bool IsPlausibleName(const std::string& name);

}  // namespace desk
