#pragma once
// The character's client-side checks and position queries, free of any platform.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "DisplayScale.h"
#include "PointF.h"

class CCharacterModel;

// The first listed animation name equal to name (A to Z without case), in the list's own
// spelling, so that the character thread finds it by its exact name.
std::optional<std::string> FindListedName(const std::vector<std::string>& list, std::string_view name);
// The same for the wide names the component interface carries.
std::optional<std::wstring> FindListedName(const std::vector<std::wstring>& list, std::wstring_view name);

// Each name of a comma-separated list (spaces around a name ignored) in the list's spelling;
// none when any of them is empty or not listed. Empty text gives no name.
std::optional<std::vector<std::wstring>> FindListedNames(const std::vector<std::wstring>& list,
                                                         std::wstring_view commaSeparated);

enum class QueryOutcome { Found, AnimationNotFound, CharacterNotFound };

struct QueryPoint {
    int32_t x = 0;
    int32_t y = 0;
};

// Where the named other character belongs while this character, at position, shows the
// animation's first frame. An animation without frames answers AnimationNotFound. Anchor and
// origin count at the character's scale; positions are screen coordinates.
QueryOutcome AskForPosition(const CCharacterModel& model, PointF position, const std::string& animationName,
                            const std::string& characterName, QueryPoint& result, DisplayScale scale = {});
// Where this character belongs when the other character stands at (characterX, characterY);
// an absent origin counts as (0, 0).
QueryOutcome AskForCurrentCharacterPosition(const CCharacterModel& model, const std::string& animationName,
                                            const std::string& characterName, int32_t characterX, int32_t characterY,
                                            QueryPoint& result, DisplayScale scale = {});
