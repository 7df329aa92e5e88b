#pragma once
// The window class of every character window, registered once per process.
#include "Win32Api.h"

constexpr const char* kCharacterWindowClass = "VGECOMCHWNDCLS";

// Registers the class with the procedure on first use, under a lock; true once it is registered.
bool RegisterCharacterWindowClass(WNDPROC procedure);
// Unregisters the class, for a module about to be unloaded; no character window may remain.
void UnregisterCharacterWindowClass();
