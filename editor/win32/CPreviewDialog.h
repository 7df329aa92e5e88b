#pragma once
// The preview dialog: the preview window in place of its placeholder, growing with the dialog.
#include <string>

#include "CModalDialog.h"
#include "CReservedArea.h"
#include "CPreviewWnd.h"

class CCharacterModel;

class CPreviewDialog : public CModalDialog {
public:
    explicit CPreviewDialog(const CCharacterModel& character);
    void SetAnimationName(const std::string& name) { m_previewWindow.SetAnimationName(name); }

protected:
    bool OnInitDialog() override;
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) override;

private:
    CPreviewWnd m_previewWindow;
    CReservedArea m_reserved;
};
