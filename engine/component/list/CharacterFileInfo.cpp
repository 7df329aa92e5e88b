#include "CharacterFileInfo.h"

#include "CCharacterModel.h"

CharacterFileInfo ReadCharacterFileInfo(const std::string& path) {
    const CCharacterModel model(path);
    CharacterFileInfo info;
    info.characterName = model.CharacterName();
    for (const auto& entry : model.Animations()) info.animationNames.push_back(entry.first);
    return info;
}
