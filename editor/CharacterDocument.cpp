#include "CharacterDocument.h"

#include "CCharacterModel.h"

void ClearCharacter(CCharacterModel& character) {
    character.EraseAllAnimations();
    character.SetCharacterName("");
}

bool LoadCharacter(CCharacterModel& character, const std::string& path) {
    ClearCharacter(character);
    return character.Load(path);
}

CAnimation NewAnimationTemplate() {
    CAnimation animation;
    animation.frames.emplace_back();
    return animation;
}

bool StoreNewAnimation(CCharacterModel& character, const std::string& typedName, const CAnimation& edited) {
    if (typedName.empty()) return false;
    character.FileAnimation(typedName, edited);
    return true;
}

void StoreEditedAnimation(CCharacterModel& character, const std::string& openedName, const std::string& typedName,
                          const CAnimation& edited) {
    character.EraseAnimation(openedName);
    character.FileAnimation(typedName, edited);
}

bool DeleteAnimation(CCharacterModel& character, const std::string& name) { return character.EraseAnimation(name); }
