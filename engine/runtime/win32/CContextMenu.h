#pragma once
// The character's pop-up menu: one item per string resource between two marker strings.
#include "Win32Api.h"

#include <vector>

#include "UniqueHandle.h"

// String resources: the markers of the fixed part and its only entry, "Hide".
constexpr UINT kMenuFirstMarker = 1000;
constexpr UINT kMenuLastMarker = 1002;
// An entry's command id is its resource number minus the first marker.
constexpr UINT kMenuCommandBase = kMenuFirstMarker;

class CContextMenu {
public:
    // Builds the menu from the module's string resources; check-mark images come from bitmap
    // resources of the same numbers where the module has them.
    explicit CContextMenu(HMODULE resources);

    bool IsValid() const { return static_cast<bool>(m_menu); }
    HMENU Handle() const { return m_menu.Get(); }
    // Shows the menu at a screen point (top-left aligned, right button selects) and returns
    // the chosen command id, 0 when the menu was dismissed.
    UINT Track(HWND owner, POINT at) const;

private:
    void AppendEntry(HMODULE resources, UINT resource);

    UniqueMenu m_menu;
    std::vector<UniqueBitmap> m_checkImages;
};
