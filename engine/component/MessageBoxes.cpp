#include "MessageBoxes.h"

int ShowMessageBox(HWND owner, const char* text, const char* caption, UINT type) {
    return MessageBoxA(owner, text, caption, type);
}

void ShowErrorBox(HWND owner, const char* text) { ShowMessageBox(owner, text, "Error", MB_ICONERROR); }

void ShowFatalErrorBox(HWND owner, const char* text) { ShowMessageBox(owner, text, "Fatal Error", MB_OK); }
