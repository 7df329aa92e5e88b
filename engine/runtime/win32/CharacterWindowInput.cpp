// The character window's mouse and keyboard handling: notifications, dragging with the left
// button and the context menu on the right button.
#include "CCharacterWindow.h"

#include <windowsx.h>

#include <cstdint>

#include "CContextMenu.h"
#include "CharacterMessages.h"
#include "CodeModule.h"
#include "IntegerConversion.h"

namespace {

bool IsMouseMessage(UINT message) { return message >= WM_MOUSEFIRST && message <= WM_MOUSELAST; }

}  // namespace

bool CCharacterWindow::HandleInput(UINT message, WPARAM wParam, LPARAM lParam) {
    // Click-through: whatever mouse message still arrives is dropped, not reported.
    if (IsClickThrough() && IsMouseMessage(message)) return true;
    switch (message) {
    case WM_LBUTTONDOWN:
        OnLeftButtonDown(wParam, lParam);
        return true;
    case WM_MOUSEMOVE:
        OnMouseMove(wParam, lParam);
        return true;
    case WM_LBUTTONUP:
        OnLeftButtonUp(wParam, lParam);
        return true;
    case WM_LBUTTONDBLCLK:
        PostToReceiver(CRN_LBUTTONDBLCLK, wParam, lParam);
        return true;
    case WM_RBUTTONDOWN:
        PostToReceiver(CRN_RBUTTONDOWN, wParam, lParam);
        return true;
    case WM_RBUTTONUP:
        OnRightButtonUp(lParam);
        return true;
    case WM_RBUTTONDBLCLK:
        PostToReceiver(CRN_RBUTTONDBLCLK, wParam, lParam);
        return true;
    case WM_KEYDOWN:
        PostToReceiver(CRN_KEY, wParam, lParam);
        return true;
    default:
        return false;
    }
}

// The mouse point of a message (client coordinates, each sign-extended from 16 bits) on the screen.
POINT CCharacterWindow::ScreenPoint(LPARAM lParam) const {
    POINT point{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    ClientToScreen(Handle(), &point);
    return point;
}

void CCharacterWindow::OnLeftButtonDown(WPARAM wParam, LPARAM lParam) {
    m_dragAnchor = ScreenPoint(lParam);
    m_dragging = true;
    SetCapture(Handle());
    PostToReceiver(CRN_LBUTTONDOWN, wParam, lParam);
}

// While dragging, the reference point moves exactly with the mouse; a move with the button
// down that did not start on this window makes the reference point jump to the mouse.
void CCharacterWindow::OnMouseMove(WPARAM wParam, LPARAM lParam) {
    const PointF position = Position();
    if (!m_dragging) m_dragAnchor = POINT{TruncateToInt32(position.x), TruncateToInt32(position.y)};
    if ((wParam & MK_LBUTTON) == 0) return;
    const POINT mouse = ScreenPoint(lParam);
    const int64_t dx = int64_t{mouse.x} - m_dragAnchor.x;
    const int64_t dy = int64_t{mouse.y} - m_dragAnchor.y;
    m_dragAnchor = mouse;
    m_player.SetPosition(PointF{position.x + static_cast<float>(dx), position.y + static_cast<float>(dy)});
}

void CCharacterWindow::OnLeftButtonUp(WPARAM wParam, LPARAM lParam) {
    ReleaseCapture();
    m_dragging = false;
    PostToReceiver(CRN_LBUTTONUP, wParam, lParam);
}

void CCharacterWindow::OnRightButtonUp(LPARAM lParam) {
    if (m_menuOpen) return;
    m_menuOpen = true;
    ShowContextMenu(lParam);
    m_menuOpen = false;
}

// The client learns the chosen command through CRN_CONTEXTMENU and decides what to do.
void CCharacterWindow::ShowContextMenu(LPARAM lParam) {
    const HWND window = Handle();
    SendMessageA(window, WM_PAINT, 0, 0);
    POINT cursor{};
    GetCursorPos(&cursor);
    SetForegroundWindow(window);
    const CContextMenu menu(CodeModule());
    if (!menu.IsValid()) return;
    const UINT command = menu.Track(window, cursor);
    PostMessageA(window, WM_USER, 0, 0);  // lets the menu's modal loop end cleanly
    PostToReceiver(CRN_CONTEXTMENU, command, lParam);
}
