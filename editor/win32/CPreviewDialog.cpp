#include "CPreviewDialog.h"

#include "EditorResources.h"
#include "Placeholder.h"
#include "WindowDpi.h"

CPreviewDialog::CPreviewDialog(const CCharacterModel& character)
    : CModalDialog(IDD_PREVIEW), m_previewWindow(character) {}

bool CPreviewDialog::OnInitDialog() {
    m_previewWindow.Create(m_reserved, Handle(), IDC_PREVIEW_PLACEHOLDER);
    m_reserved = TakePlaceholder(Handle(), IDC_PREVIEW_PLACEHOLDER);
    m_previewWindow.MoveTo(m_reserved);
    m_dpi = WindowDpi(Handle());
    ShowWindow(Handle(), SW_SHOWNORMAL);
    return true;
}

bool CPreviewDialog::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) {
    switch (message) {
        case WM_SIZE:
            m_reserved = GrownToClient(m_reserved, LOWORD(lParam), HIWORD(lParam));
            m_previewWindow.MoveTo(m_reserved);
            result = 0;
            return true;
        case WM_DPICHANGED:
            // The dialog manager applies the suggested rectangle and scales the template.
            m_reserved = ReservedAtDpi(m_reserved, m_dpi, LOWORD(wParam));
            m_dpi = LOWORD(wParam);
            PostMessageA(Handle(), kPlaceReservedMessage, 0, 0);
            return false;
        case kPlaceReservedMessage: {
            RECT client{};
            GetClientRect(Handle(), &client);
            m_reserved = GrownToClient(m_reserved, client.right, client.bottom);
            m_previewWindow.MoveTo(m_reserved);
            return true;
        }
        default:
            return false;
    }
}
