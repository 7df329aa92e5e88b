#pragma once
// The frame window's two popup menus from menu resource 129, shown at the mouse cursor.
#include <windows.h>

enum class FramePopup { Frame = 0, Origins = 1 };

// Tracks the popup with the right button; the chosen command goes to the owner as WM_COMMAND.
void ShowFramePopup(HWND owner, FramePopup popup);
