#pragma once
// Every message box of the component layer goes through here: modal, in the calling thread.
#include "PlatformHeaders.h"

int ShowMessageBox(HWND owner, const char* text, const char* caption, UINT type);

// The boxes of the Character object.
void ShowErrorBox(HWND owner, const char* text);       // caption "Error", error icon
void ShowFatalErrorBox(HWND owner, const char* text);  // caption "Fatal Error", OK only
