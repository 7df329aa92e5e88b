#include "CharacterQueries.h"

#include <algorithm>

#include "CCharacterModel.h"
#include "FrameRectangle.h"
#include "IntegerConversion.h"
#include "NameCompare.h"

namespace {

const CFrame* FirstFrame(const CCharacterModel& model, const std::string& animationName) {
    const CAnimation* animation = model.FindAnimation(animationName);
    return animation != nullptr && !animation->frames.empty() ? &animation->frames.front() : nullptr;
}

}  // namespace

std::optional<std::string> FindListedName(const std::vector<std::string>& list, std::string_view name) {
    for (const std::string& listed : list) {
        if (EqualsIgnoringAsciiCase(listed, name)) return listed;
    }
    return std::nullopt;
}

std::optional<std::wstring> FindListedName(const std::vector<std::wstring>& list, std::wstring_view name) {
    for (const std::wstring& listed : list) {
        if (EqualsIgnoringAsciiCase<wchar_t>(listed, name)) return listed;
    }
    return std::nullopt;
}

std::optional<std::vector<std::wstring>> FindListedNames(const std::vector<std::wstring>& list,
                                                         std::wstring_view commaSeparated) {
    std::vector<std::wstring> names;
    if (commaSeparated.empty()) return names;
    size_t start = 0;
    while (true) {
        const size_t comma = std::min(commaSeparated.find(L',', start), commaSeparated.size());
        std::wstring_view name = commaSeparated.substr(start, comma - start);
        while (!name.empty() && name.front() == L' ') name.remove_prefix(1);
        while (!name.empty() && name.back() == L' ') name.remove_suffix(1);
        const std::optional<std::wstring> listed = name.empty() ? std::nullopt : FindListedName(list, name);
        if (!listed) return std::nullopt;
        names.push_back(*listed);
        if (comma == commaSeparated.size()) return names;
        start = comma + 1;
    }
}

QueryOutcome AskForPosition(const CCharacterModel& model, PointF position, const std::string& animationName,
                            const std::string& characterName, QueryPoint& result, DisplayScale scale) {
    const CFrame* frame = FirstFrame(model, animationName);
    if (frame == nullptr) return QueryOutcome::AnimationNotFound;
    const PointF* origin = frame->FindOrigin(characterName);
    if (origin == nullptr) return QueryOutcome::CharacterNotFound;
    result.x = TruncateToInt32(static_cast<double>(position.x) - scale.Offset(frame->anchor.x) + scale.Offset(origin->x));
    result.y = TruncateToInt32(static_cast<double>(position.y) - scale.Offset(frame->anchor.y) + scale.Offset(origin->y));
    return QueryOutcome::Found;
}

QueryOutcome AskForCurrentCharacterPosition(const CCharacterModel& model, const std::string& animationName,
                                            const std::string& characterName, int32_t characterX, int32_t characterY,
                                            QueryPoint& result, DisplayScale scale) {
    const CFrame* frame = FirstFrame(model, animationName);
    if (frame == nullptr) return QueryOutcome::AnimationNotFound;
    const PointF* found = frame->FindOrigin(characterName);
    const PointF origin = found != nullptr ? *found : PointF{};
    result.x = TruncateToInt32(static_cast<double>(characterX) + scale.Offset(frame->anchor.x) - scale.Offset(origin.x));
    result.y = TruncateToInt32(static_cast<double>(characterY) + scale.Offset(frame->anchor.y) - scale.Offset(origin.y));
    return QueryOutcome::Found;
}
