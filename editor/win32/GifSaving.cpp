#include "GifSaving.h"

#include "AnimationGif.h"
#include "CFilePicker.h"

void SaveAnimationThroughPicker(HWND dialog, const CCharacterModel& character, const std::string& animationName) {
    CFilePicker picker(kSaveGifPicker);
    picker.SetInitialName(GifFileNameFor(animationName));
    if (!picker.Run(dialog)) return;
    HCURSOR before = SetCursor(LoadCursor(nullptr, IDC_WAIT));  // a long walk takes a moment to encode
    const FileOutcome outcome = SaveAnimationAsGif(character, animationName, picker.FullPath());
    SetCursor(before);
    if (!outcome.succeeded) MessageBoxA(dialog, outcome.message.c_str(), "Error", MB_OK | MB_ICONERROR);
}
