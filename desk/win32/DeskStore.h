#pragma once
// The companion's state in the user's registry: HKCU\Software\VimroDesk holds the settings
// (StepAside, Scale, Quiet as DWORDs) and, below Characters, one "shown x y" string per
// character it has shown; "Start with Windows" is the value VimroDesk of the user's Run key.
#include <map>
#include <string>

#include "DeskState.h"

namespace desk {

class DeskStore {
public:
    DeskSettings LoadSettings() const;
    void SaveSettings(const DeskSettings& settings) const;

    // Saved places by character name (UTF-8); unreadable entries are left out.
    std::map<std::string, SavedPlace> LoadPlaces() const;
    void SavePlace(const std::string& name, const SavedPlace& place) const;

    bool StartsWithWindows() const;
    // Writes the quoted path of this program into the Run key, or removes it.
    void SetStartWithWindows(bool start) const;

    // Removes everything the companion wrote: HKCU\Software\VimroDesk and the Run value.
    void Forget() const;
};

}  // namespace desk
