#pragma once
// After ruxtool uninstall: the installed-file list's key HKEY_CURRENT_USER\Software\Orvane\RUX
// and then HKEY_CURRENT_USER\Software\Orvane go when nothing is left in them (no value, no
// subkey), so that removing the last character leaves the registry as it found it.
void RemoveEmptyListKeys();
