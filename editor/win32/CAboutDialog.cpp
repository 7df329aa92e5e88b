#include "CAboutDialog.h"

#include "EditorResources.h"

CAboutDialog::CAboutDialog() : CModalDialog(IDD_ABOUTBOX) {}
