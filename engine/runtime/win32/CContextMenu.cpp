#include "CContextMenu.h"

CContextMenu::CContextMenu(HMODULE resources) : m_menu(CreatePopupMenu()) {
    if (!m_menu) return;
    for (UINT resource = kMenuFirstMarker + 1; resource < kMenuLastMarker; ++resource) AppendEntry(resources, resource);
}

void CContextMenu::AppendEntry(HMODULE resources, UINT resource) {
    char text[256] = {};
    if (LoadStringA(resources, resource, text, sizeof(text)) <= 0) return;
    const UINT command = resource - kMenuCommandBase;
    if (!AppendMenuA(m_menu.Get(), MF_STRING | MF_ENABLED, command, text)) return;
    UniqueBitmap image(LoadBitmapA(resources, MAKEINTRESOURCEA(resource)));
    if (!image) return;
    SetMenuItemBitmaps(m_menu.Get(), command, MF_BYCOMMAND, image.Get(), image.Get());
    m_checkImages.push_back(std::move(image));
}

UINT CContextMenu::Track(HWND owner, POINT at) const {
    const UINT flags = TPM_LEFTALIGN | TPM_TOPALIGN | TPM_RIGHTBUTTON | TPM_NONOTIFY | TPM_RETURNCMD;
    return static_cast<UINT>(TrackPopupMenu(m_menu.Get(), flags, at.x, at.y, 0, owner, nullptr));
}
