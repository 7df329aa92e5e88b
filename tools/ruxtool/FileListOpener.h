#pragma once
// How a command reaches the installed-file list: a function that opens its key for one
// command (the Windows registry in ruxtool.exe, a stand-in in tests). Empty where the
// platform has no such list.
#include <functional>
#include <memory>

#include "IRegistryKey.h"

using FileListOpener = std::function<std::unique_ptr<IRegistryKey>()>;
