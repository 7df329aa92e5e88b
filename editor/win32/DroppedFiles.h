#pragma once
// The files of a WM_DROPFILES message; the drop's memory is given back to the shell.
#include <windows.h>

#include <string>
#include <vector>

std::vector<std::string> TakeDroppedFiles(HDROP drop);
