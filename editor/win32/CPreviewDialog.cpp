#include "CPreviewDialog.h"

#include "EditorResources.h"

CPreviewDialog::CPreviewDialog(const CCharacterModel& character)
    : CModalDialog(IDD_PREVIEW), m_previewWindow(character) {}

bool CPreviewDialog::OnInitDialog() {
    m_reserved.Take(Handle(), IDC_PREVIEW_PLACEHOLDER, m_previewWindow);
    ShowWindow(Handle(), SW_SHOWNORMAL);
    return true;
}

bool CPreviewDialog::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) {
    return m_reserved.OnMessage(message, wParam, lParam, result);
}
