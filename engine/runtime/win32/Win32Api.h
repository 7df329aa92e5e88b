#pragma once
// The Windows headers for the runtime's Windows layer; include this before any other header
// that brings in windows.h. The system's drawing function FrameRect (unused here) is declared
// under another name, so that it does not hide the runtime's FrameRect type.
#define FrameRect SystemFrameRect
#include <windows.h>
#undef FrameRect

#include "FrameRect.h"
