#pragma once
// Frames on the system clipboard: the registered "Tarvel frames" format for Tarvel windows
// and, for paint programs, the first frame's picture as CF_DIB.
#include <windows.h>

#include <optional>
#include <vector>

#include "CFrame.h"
#include "FrameClipboard.h"

bool PutFramesOnClipboard(HWND owner, const std::vector<CFrame>& frames);
// The frames of the registered format, when the clipboard holds readable ones.
std::optional<std::vector<CFrame>> FramesOnClipboard(HWND owner);
// The clipboard's CF_DIB picture as a frame picture; empty without a refusal when there is
// none, with one when it cannot be pasted (or the clipboard could not be opened).
PastedPicture PictureOnClipboard(HWND owner);
