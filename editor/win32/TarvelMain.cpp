// Tarvel's entry point: one current character for the whole run, edited in the main dialog;
// the program ends when that dialog closes.
#include <windows.h>

#include "CCharacterModel.h"
#include "CMainDialog.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    CCharacterModel character;
    CMainDialog dialog(character);
    return dialog.RunModal(nullptr) == -1 ? 1 : 0;
}
