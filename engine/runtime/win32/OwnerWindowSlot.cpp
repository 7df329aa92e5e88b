#include "OwnerWindowSlot.h"

#include <atomic>

namespace {
// Written on a client's thread, read on the character thread being started.
std::atomic<HWND> g_ownerWindow{nullptr};
}  // namespace

void SetOwnerWindowSlot(HWND owner) { g_ownerWindow.store(owner); }

HWND OwnerWindowSlot() { return g_ownerWindow.load(); }
