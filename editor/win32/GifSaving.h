#pragma once
// Save as GIF of the main dialog: a "Save As" picker for the animation's GIF, then the GIF,
// or a box captioned "Error" that says why there is none.
#include <windows.h>

#include <string>

class CCharacterModel;

void SaveAnimationThroughPicker(HWND dialog, const CCharacterModel& character, const std::string& animationName);
