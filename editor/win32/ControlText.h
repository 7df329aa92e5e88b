#pragma once
// Reading and writing the text of windows and dialog controls as narrow strings.
#include <windows.h>

#include <string>

std::string WindowText(HWND window);
void SetWindowTextString(HWND window, const std::string& text);
std::string ListBoxItemText(HWND listBox, int index);
// The size of a window's client area.
SIZE ClientSize(HWND window);
