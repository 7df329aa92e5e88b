#pragma once
// The state of the modifier keys as the thread's input sees it now.
#include <windows.h>

#include "EditorKeys.h"

KeyModifiers ModifiersNow();
// For a key press of the message loop: the shortcut it is, if any.
EditorShortcut ShortcutOf(const MSG& message);
