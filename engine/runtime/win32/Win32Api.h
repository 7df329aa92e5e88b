#pragma once
// The Windows headers for the runtime's Windows layer.
#include <windows.h>
