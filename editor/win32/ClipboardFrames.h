#pragma once
// Frames on the system clipboard: the registered "Tarvel frames" format for Tarvel windows
// and, for paint programs, the first frame's picture as CF_DIB.
#include <windows.h>

#include <optional>
#include <vector>

#include "CFrame.h"

bool PutFramesOnClipboard(HWND owner, const std::vector<CFrame>& frames);
// The frames of the registered format, when the clipboard holds readable ones.
std::optional<std::vector<CFrame>> FramesOnClipboard(HWND owner);
// The clipboard's CF_DIB picture as a frame picture; empty when there is none.
CBryDIB PictureOnClipboard(HWND owner);
