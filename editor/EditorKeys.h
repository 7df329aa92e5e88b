#pragma once
// The editor's keys, from the platform's virtual-key codes (which the portable code names by
// value): the Ctrl shortcuts and the arrow keys that move the selected point.
#include <optional>

#include "PointF.h"

enum class EditorShortcut {
    None,
    Save,       // Ctrl+S
    Open,       // Ctrl+O
    New,        // Ctrl+N
    Undo,       // Ctrl+Z
    Redo,       // Ctrl+Y, Ctrl+Shift+Z
    ZoomIn,     // Ctrl + '+' (main keyboard or keypad)
    ZoomOut,    // Ctrl + '-'
    ZoomReset,  // Ctrl + '0'
    DuplicateFrame,    // Ctrl+D
    MoveFrameEarlier,  // Ctrl+Page Up
    MoveFrameLater,    // Ctrl+Page Down
    OnionPrevious,     // Ctrl+P: the previous frame faintly under the current one
    OnionNext,         // Ctrl+Shift+P: the next frame likewise
    Import,            // Ctrl+I
    Copy,              // Ctrl+C
    Paste,             // Ctrl+V: frames after the current one (a picture as a new frame)
    PastePicture,      // Ctrl+Shift+V: a picture into the current frame
    SaveGif,           // Ctrl+G: the selected animation as an animated GIF
};

struct KeyModifiers {
    bool ctrl = false;
    bool shift = false;
    bool alt = false;
};

EditorShortcut ShortcutForKey(int virtualKey, KeyModifiers modifiers);

// An arrow key moves by one pixel, with Shift by ten; other keys (or with Ctrl or Alt) do not.
std::optional<PointF> NudgeForKey(int virtualKey, KeyModifiers modifiers);
