#pragma once
#include "Win32Api.h"

// The module (DLL or program) that holds the character runtime's code and its resources.
HMODULE CodeModule();
