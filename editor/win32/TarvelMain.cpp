// Tarvel's entry point. Until the editor's dialogs exist, it opens the character file given
// on the command line and tells what it holds.
#include <windows.h>

#include <string>

#include "CCharacterModel.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR commandLine, int) {
    std::string path = commandLine != nullptr ? commandLine : "";
    if (path.size() >= 2 && path.front() == '"' && path.back() == '"') path = path.substr(1, path.size() - 2);
    if (path.empty()) {
        MessageBoxA(nullptr, "Usage: Tarvel.exe file.rux", "Tarvel", MB_OK | MB_ICONINFORMATION);
        return 2;
    }
    const CCharacterModel model(path);
    const std::string text = (model.IsFailed() ? "Could not read all of " : "Read ") + path + "\n\nCharacter: " +
                             model.CharacterName() + "\nAnimations: " + std::to_string(model.AnimationCount());
    MessageBoxA(nullptr, text.c_str(), "Tarvel", MB_OK | (model.IsFailed() ? MB_ICONWARNING : MB_ICONINFORMATION));
    return model.IsFailed() ? 1 : 0;
}
