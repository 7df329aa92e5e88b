#include "EditorKeys.h"

namespace {

// Virtual-key codes of the platform.
constexpr int kPageUp = 0x21;
constexpr int kPageDown = 0x22;
constexpr int kLeft = 0x25;
constexpr int kUp = 0x26;
constexpr int kRight = 0x27;
constexpr int kDown = 0x28;
constexpr int kKeypad0 = 0x60;
constexpr int kKeypadAdd = 0x6B;
constexpr int kKeypadSubtract = 0x6D;
constexpr int kOemPlus = 0xBB;   // '=' / '+' on the main keyboard
constexpr int kOemMinus = 0xBD;  // '-' / '_' on the main keyboard

}  // namespace

EditorShortcut ShortcutForKey(int virtualKey, KeyModifiers modifiers) {
    if (!modifiers.ctrl || modifiers.alt) return EditorShortcut::None;
    if (virtualKey == 'Z') return modifiers.shift ? EditorShortcut::Redo : EditorShortcut::Undo;
    if (virtualKey == kOemPlus || virtualKey == kKeypadAdd) return EditorShortcut::ZoomIn;
    if (virtualKey == kOemMinus || virtualKey == kKeypadSubtract) return EditorShortcut::ZoomOut;
    if (virtualKey == 'V') return modifiers.shift ? EditorShortcut::PastePicture : EditorShortcut::Paste;
    if (virtualKey == 'P') return modifiers.shift ? EditorShortcut::OnionNext : EditorShortcut::OnionPrevious;
    if (modifiers.shift) return EditorShortcut::None;
    switch (virtualKey) {
        case 'S': return EditorShortcut::Save;
        case 'O': return EditorShortcut::Open;
        case 'N': return EditorShortcut::New;
        case 'Y': return EditorShortcut::Redo;
        case 'D': return EditorShortcut::DuplicateFrame;
        case 'I': return EditorShortcut::Import;
        case 'G': return EditorShortcut::SaveGif;
        case 'C': return EditorShortcut::Copy;
        case kPageUp: return EditorShortcut::MoveFrameEarlier;
        case kPageDown: return EditorShortcut::MoveFrameLater;
        case '0':
        case kKeypad0: return EditorShortcut::ZoomReset;
        default: return EditorShortcut::None;
    }
}

std::optional<PointF> NudgeForKey(int virtualKey, KeyModifiers modifiers) {
    if (modifiers.ctrl || modifiers.alt) return std::nullopt;
    const float step = modifiers.shift ? 10.0f : 1.0f;
    switch (virtualKey) {
        case kLeft: return PointF{-step, 0.0f};
        case kRight: return PointF{step, 0.0f};
        case kUp: return PointF{0.0f, -step};
        case kDown: return PointF{0.0f, step};
        default: return std::nullopt;
    }
}
