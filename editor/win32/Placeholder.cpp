#include "Placeholder.h"

#include <algorithm>

#include "ControlColumnLayout.h"

RECT TakePlaceholder(HWND dialog, int placeholderId) {
    RECT rect{};
    HWND placeholder = GetDlgItem(dialog, placeholderId);
    if (placeholder == nullptr) {
        GetClientRect(dialog, &rect);
        return rect;
    }
    GetWindowRect(placeholder, &rect);
    MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&rect), 2);
    DestroyWindow(placeholder);
    return rect;
}

RECT GrownToClient(const RECT& reserved, int cx, int cy) {
    return RECT{reserved.left, reserved.top, std::max<LONG>(reserved.left, cx), std::max<LONG>(reserved.top, cy)};
}

RECT ReservedAtDpi(const RECT& reserved, UINT oldDpi, UINT newDpi) {
    const LONG left = RescaledForDpi(reserved.left, oldDpi, newDpi);
    const LONG top = RescaledForDpi(reserved.top, oldDpi, newDpi);
    return RECT{left, top, std::max(left, reserved.right), std::max(top, reserved.bottom)};
}
