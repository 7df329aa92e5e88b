#pragma once
// "About Tarvel", opened from the main dialog's system menu; it only shows its texts.
#include "CModalDialog.h"

class CAboutDialog : public CModalDialog {
public:
    CAboutDialog();
};
