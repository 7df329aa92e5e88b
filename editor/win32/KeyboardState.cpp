#include "KeyboardState.h"

namespace {

bool IsDown(int virtualKey) { return (GetKeyState(virtualKey) & 0x8000) != 0; }

}  // namespace

KeyModifiers ModifiersNow() { return KeyModifiers{IsDown(VK_CONTROL), IsDown(VK_SHIFT), IsDown(VK_MENU)}; }

EditorShortcut ShortcutOf(const MSG& message) {
    if (message.message != WM_KEYDOWN) return EditorShortcut::None;
    return ShortcutForKey(static_cast<int>(message.wParam), ModifiersNow());
}
