#include "PopupMenus.h"

#include "EditorResources.h"
#include "Win32Handles.h"

void ShowFramePopup(HWND owner, FramePopup popup) {
    const UniqueMenu menu(LoadMenuA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDR_FRAME_MENU)));
    if (!menu) return;
    HMENU items = GetSubMenu(menu.get(), static_cast<int>(popup));
    POINT cursor{};
    GetCursorPos(&cursor);
    TrackPopupMenu(items, TPM_LEFTALIGN | TPM_RIGHTBUTTON, cursor.x, cursor.y, 0, owner, nullptr);
}
