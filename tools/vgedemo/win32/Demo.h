#pragma once
// The whole run: the engine, the two characters with their event printers, the reactions to
// the context menu and Escape, the tour, and the release of everything at the end.
#include "DemoOptions.h"

// The exit code: 0 after a run, 1 when the engine or a character could not be had.
int RunDemo(const DemoOptions& options);
