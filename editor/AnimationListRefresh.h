#pragma once
// What the main dialog's animation list shows after a change of the character.
#include <cstddef>
#include <optional>
#include <string>
#include <vector>

class CCharacterModel;

// The animation names in the character's key order.
std::vector<std::string> AnimationNames(const CCharacterModel& character);

// The item to select after the list was rebuilt with itemCount items: the one at the index
// selected before, or the last item when that index is gone or nothing was selected; nothing
// in an empty list.
std::optional<size_t> RefreshedSelection(std::optional<size_t> previous, size_t itemCount);
