#include "ChildControls.h"

HWND CreateChildControl(HWND parent, const char* windowClass, DWORD style, int id) {
    HWND control = CreateWindowExA(0, windowClass, "", WS_CHILD | WS_VISIBLE | style, 0, 0, 0, 0, parent,
                                   reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleA(nullptr),
                                   nullptr);
    if (control != nullptr) UseDialogFont(control, false);
    return control;
}

void UseDialogFont(HWND control, bool redraw) {
    // The dialog's font instead of the system font.
    const LRESULT font = SendMessageA(GetParent(GetParent(control)), WM_GETFONT, 0, 0);
    if (font != 0) SendMessageA(control, WM_SETFONT, static_cast<WPARAM>(font), redraw ? TRUE : FALSE);
}

void Place(HWND control, const ControlRect& rect) {
    MoveWindow(control, rect.x, rect.y, rect.width, rect.height, TRUE);
}
