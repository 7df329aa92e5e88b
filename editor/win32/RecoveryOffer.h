#pragma once
// Recovery copies on Windows: the editor's folder, and the offer at the next start.
#include <windows.h>

#include <optional>
#include <string>

#include "RecoveryCopies.h"

// "%LOCALAPPDATA%\Tarvel", made when missing; empty when there is none.
std::string TarvelDataFolder();
// Tells this run's copies of characters never saved from another's.
std::string RecoveryStamp();
// The full path of a file named relative to the current folder.
std::string FullPathOf(const std::string& path);

// Asks about each pending copy in turn (with a start file, only about one of that file) until
// one is to be opened; that one is taken off the list and returned. A copy declined stays
// where it is and is not offered again.
std::optional<RecoveryEntry> OfferRecoveryCopy(HWND owner, const std::optional<std::string>& startFile);
