#pragma once
// The module-wide window that becomes the owner of every character window created afterwards.
#include "Win32Api.h"

void SetOwnerWindowSlot(HWND owner);
HWND OwnerWindowSlot();
