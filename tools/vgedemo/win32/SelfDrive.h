#pragma once
// Mouse and keyboard input synthesised through the system (SendInput), for runs with nobody
// at the screen: the characters then get the same messages a person's hand would give them.
#include "Actor.h"

// Presses the left button on the actor at offset from its reference point, drags it dx pixels
// along a small arc back to the same height, and releases it. False when the demo is ending.
bool DragAlong(Actor& actor, StagePoint offset, int dx);
// Right-clicks the actor at offset from its reference point, waits for its context menu, shows
// it a moment, then picks its first command with the keyboard. False when no menu came.
bool PickFromContextMenu(Actor& actor, StagePoint offset);
