#pragma once
// The window class of every character window, registered once per process.
#include "Win32Api.h"

constexpr const char* kCharacterWindowClass = "VGECOMCHWNDCLS";

// Registers the class with the procedure on first use, under a lock; true once it is registered.
bool RegisterCharacterWindowClass(WNDPROC procedure);
// Unregisters the class, for a module about to be unloaded; false (and still registered)
// while a character window remains.
bool UnregisterCharacterWindowClass();
// RegisterClassExA, where a class of that name and instance registered with the same
// procedure (by this module before an unload that bypassed DllCanUnloadNow) also counts.
bool RegisterModuleClass(const WNDCLASSEXA& windowClass);
// The same for a class registered with wide strings.
bool RegisterModuleClass(const WNDCLASSEXW& windowClass);
