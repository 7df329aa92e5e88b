#include "CPreviewDialog.h"

#include "EditorResources.h"
#include "Placeholder.h"

CPreviewDialog::CPreviewDialog(const CCharacterModel& character)
    : CModalDialog(IDD_PREVIEW), m_previewWindow(character) {}

bool CPreviewDialog::OnInitDialog() {
    m_previewWindow.Create(m_reserved, Handle(), IDC_PREVIEW_PLACEHOLDER);
    m_reserved = TakePlaceholder(Handle(), IDC_PREVIEW_PLACEHOLDER);
    m_previewWindow.MoveTo(m_reserved);
    ShowWindow(Handle(), SW_SHOWNORMAL);
    return true;
}

bool CPreviewDialog::OnMessage(UINT message, WPARAM, LPARAM lParam, INT_PTR& result) {
    if (message != WM_SIZE) return false;
    m_reserved = GrownToClient(m_reserved, LOWORD(lParam), HIWORD(lParam));
    m_previewWindow.MoveTo(m_reserved);
    result = 0;
    return true;
}
