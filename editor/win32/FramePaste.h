#pragma once
// The frame window's two pastes, each one step of the working animation. A picture that cannot
// be pasted (too large, of an unknown kind, no memory for it) is refused with a message box.
#include <windows.h>

class CFrameEditor;

// Frames of the editor's own format after the current frame or, failing that, a picture from
// another program as a new frame. True when the animation changed.
bool PasteFramesOrPicture(HWND window, CFrameEditor& editor);
// The clipboard's picture into the current frame. True when the animation changed.
bool PastePictureIntoFrame(HWND window, CFrameEditor& editor);
