#include "AnimationListRefresh.h"

#include "CCharacterModel.h"

std::vector<std::string> AnimationNames(const CCharacterModel& character) {
    std::vector<std::string> names;
    names.reserve(character.AnimationCount());
    for (const auto& entry : character.Animations()) names.push_back(entry.first);
    return names;
}

std::optional<size_t> RefreshedSelection(std::optional<size_t> previous, size_t itemCount) {
    if (itemCount == 0) return std::nullopt;
    if (!previous || *previous >= itemCount) return itemCount - 1;
    return previous;
}
