// Tarvel's entry point: one current character for the whole run, edited in the main dialog;
// the program ends when that dialog closes.
#include <windows.h>
#include <commctrl.h>

#include "CCharacterModel.h"
#include "CMainDialog.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    // Loads the common controls that the manifest asks for, so that dialogs get visual styles.
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);
    CCharacterModel character;
    CMainDialog dialog(character);
    return dialog.RunModal(nullptr) == -1 ? 1 : 0;
}
