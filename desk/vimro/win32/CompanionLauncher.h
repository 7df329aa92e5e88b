#pragma once
// Starts VimroDesk.exe from vimro.exe's own folder, detached: it inherits no handle of vimro,
// so nothing it prints (the engine's list scan) reaches vimro's output, and a caller that
// reads vimro's output to its end is not kept waiting by the companion.
#include "UniqueHandle.h"

#include <string>

namespace desk {

// The companion's process, or an empty handle with the reason in error.
UniqueKernelHandle StartCompanion(std::string& error);

}  // namespace desk
