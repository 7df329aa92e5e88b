#include "CReservedArea.h"

#include "CDrawnChildWnd.h"
#include "Placeholder.h"
#include "WindowDpi.h"

void CReservedArea::Take(HWND dialog, int placeholderId, CDrawnChildWnd& window) {
    m_dialog = dialog;
    m_window = &window;
    window.Create(m_rect, dialog, placeholderId);
    m_rect = TakePlaceholder(dialog, placeholderId);
    window.MoveTo(m_rect);
    m_dpi = WindowDpi(dialog);
}

bool CReservedArea::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) {
    switch (message) {
        case WM_SIZE:
            m_rect = GrownToClient(m_rect, LOWORD(lParam), HIWORD(lParam));
            PlaceWindow();
            result = 0;
            return true;
        case WM_DPICHANGED:
            // The dialog manager applies the suggested rectangle and scales the template.
            m_rect = ReservedAtDpi(m_rect, m_dpi, LOWORD(wParam));
            m_dpi = LOWORD(wParam);
            PostMessageA(m_dialog, kPlaceReservedMessage, 0, 0);
            return false;
        case kPlaceReservedMessage: {
            RECT client{};
            GetClientRect(m_dialog, &client);
            m_rect = GrownToClient(m_rect, client.right, client.bottom);
            PlaceWindow();
            return true;
        }
        default:
            return false;
    }
}

void CReservedArea::PlaceWindow() {
    if (m_window != nullptr) m_window->MoveTo(m_rect);
}
