#pragma once
// The tray icon's menu and the command IDs its items send to the companion's window
// (WM_COMMAND, the ID in the low word of wParam).
#include <windows.h>

#include <string>
#include <vector>

#include "DeskState.h"

namespace desk {

// Item n of the installed characters (in the engine's list order, from 0) sends
// kFirstCharacterCommand + n: it shows the character, or hides it when shown.
constexpr UINT kFirstCharacterCommand = 1000;
constexpr UINT kMaxCharacterItems = 200;
constexpr UINT kBringBackCommand = 100;
constexpr UINT kStepAsideCommand = 101;
constexpr UINT kQuietCommand = 102;
constexpr UINT kStartWithWindowsCommand = 103;
constexpr UINT kExitCommand = 104;
constexpr UINT kFirstScaleCommand = 110;  // + the index in kScales

struct TrayMenuState {
    std::vector<std::pair<std::string, bool>> characters;  // name, shown
    DeskSettings settings;
    bool startsWithWindows = false;
};

// Shows the menu at the cursor for the window (brought to the foreground first, so that the
// menu closes when the user clicks elsewhere); the chosen item comes as WM_COMMAND.
void ShowTrayMenu(HWND window, const TrayMenuState& state);

}  // namespace desk
