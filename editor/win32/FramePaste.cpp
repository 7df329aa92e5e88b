#include "FramePaste.h"

#include <new>

#include "CFilePicker.h"
#include "ClipboardFrames.h"
#include "FrameEditor.h"

namespace {

bool Refuse(HWND window, const std::string& why) {
    MessageBoxA(ActiveEditorWindow(window), why.c_str(), "Paste", MB_OK | MB_ICONWARNING);
    return false;
}

// The clipboard's picture; an empty one after a refusal has been shown, or when there is none.
CBryDIB TakePicture(HWND window) {
    PastedPicture pasted = PictureOnClipboard(window);
    if (!pasted.refusal.empty()) Refuse(window, pasted.refusal);
    return std::move(pasted.picture);
}

// Copies of large pictures (the frames, the undo step) may still find no memory: the paste is
// then refused and the animation stays as it was.
template <class Paste>
bool Guarded(HWND window, Paste paste) {
    try {
        return paste();
    } catch (const std::bad_alloc&) {
        return Refuse(window, "There is not enough memory to paste.");
    }
}

}  // namespace

bool PasteFramesOrPicture(HWND window, CFrameEditor& editor) {
    return Guarded(window, [&] {
        if (auto frames = FramesOnClipboard(window)) return editor.PasteFrames(std::move(*frames));
        CBryDIB picture = TakePicture(window);
        if (picture.IsEmpty()) return false;
        return editor.PasteFrames({FrameForPastedPicture(editor.CurrentFrame(), std::move(picture))});
    });
}

bool PastePictureIntoFrame(HWND window, CFrameEditor& editor) {
    return Guarded(window, [&] { return editor.PastePicture(TakePicture(window)); });
}
