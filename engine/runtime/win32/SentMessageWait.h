#pragma once
// Waiting on another thread from a thread that owns windows. A character window owned by a
// client's window shares its input state: creating, activating and destroying it sends
// messages to the owner's thread and waits for the answer. A plain wait there deadlocks, so
// these waits handle messages sent to the calling thread (and only those: posted messages and
// input stay queued for the caller's own loop).
#include "Win32Api.h"

// True when the handle was signalled within the time (INFINITE waits without bound).
bool WaitHandlingSentMessages(HANDLE handle, DWORD milliseconds);
