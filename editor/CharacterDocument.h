#pragma once
// The main dialog's operations on the current character.
#include <string>

class CAnimation;
class CCharacterModel;

// New character: no animations, an empty name. Nothing is asked.
void ClearCharacter(CCharacterModel& character);

// Replaces the character by the file's contents (whatever could be read of it).
bool LoadCharacter(CCharacterModel& character, const std::string& path);

// The animation New animation hands to the animation dialog: one empty frame.
CAnimation NewAnimationTemplate();

// After New animation: files the edited animation under the name typed, replacing an
// animation of that name; an empty name discards it. True when something was filed.
bool StoreNewAnimation(CCharacterModel& character, const std::string& typedName, const CAnimation& edited);

// After Edit: removes the animation opened under `openedName` and files the edited one under
// the name now typed (which may be empty, or another animation's name, which it replaces).
void StoreEditedAnimation(CCharacterModel& character, const std::string& openedName, const std::string& typedName,
                          const CAnimation& edited);

bool DeleteAnimation(CCharacterModel& character, const std::string& name);
