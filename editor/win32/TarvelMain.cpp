// Tarvel's entry point: one current character for the whole run, edited in the main dialog;
// the program ends when that dialog closes. A file named on the command line (as Explorer
// opens a .rux file) is loaded as the dialog starts.
#include <windows.h>
#include <commctrl.h>

#include <cstdlib>
#include <optional>
#include <string>

#include "CCharacterModel.h"
#include "CMainDialog.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    // Loads the common controls that the manifest asks for, so that dialogs get visual styles.
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);
    CCharacterModel character;
    std::optional<std::string> startFile;
    if (__argc > 1 && __argv != nullptr && __argv[1] != nullptr) startFile = __argv[1];
    CMainDialog dialog(character, startFile);
    return dialog.RunModal(nullptr) == -1 ? 1 : 0;
}
