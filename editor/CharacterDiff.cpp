#include "CharacterDiff.h"

#include <set>

CCharacterDiff CCharacterDiff::Between(const CCharacterModel& before, const CCharacterModel& after) {
    CCharacterDiff diff;
    diff.m_nameBefore = before.CharacterName();
    diff.m_nameAfter = after.CharacterName();
    std::set<std::string> keys;
    for (const auto& entry : before.Animations()) keys.insert(entry.first);
    for (const auto& entry : after.Animations()) keys.insert(entry.first);
    for (const std::string& key : keys) {
        const CAnimation* was = before.FindAnimation(key);
        const CAnimation* is = after.FindAnimation(key);
        if (was != nullptr && is != nullptr) {
            if (*was == *is) continue;
            diff.m_entries.push_back(Entry{key, std::nullopt, std::nullopt, CAnimationDiff::Between(*was, *is)});
            continue;
        }
        Entry entry{key, std::nullopt, std::nullopt, CAnimationDiff()};
        if (was != nullptr) entry.before = *was;
        if (is != nullptr) entry.after = *is;
        diff.m_entries.push_back(std::move(entry));
    }
    return diff;
}

void CCharacterDiff::Put(CCharacterModel& character, const std::string& key,
                         const std::optional<CAnimation>& animation) {
    if (animation)
        character.FileAnimation(key, *animation);
    else
        character.EraseAnimation(key);
}

void CCharacterDiff::Undo(CCharacterModel& character) const { Apply(character, false); }

void CCharacterDiff::Redo(CCharacterModel& character) const { Apply(character, true); }

// Forward: the character as it was after the change; back: as it was before.
void CCharacterDiff::Apply(CCharacterModel& character, bool forward) const {
    character.SetCharacterName(forward ? m_nameAfter : m_nameBefore);
    for (const Entry& entry : m_entries) {
        if (entry.IsWhole()) {
            Put(character, entry.key, forward ? entry.after : entry.before);
        } else if (CAnimation* animation = character.FindAnimation(entry.key)) {
            if (forward)
                entry.change.Redo(*animation);
            else
                entry.change.Undo(*animation);
        }
    }
}

size_t CCharacterDiff::Bytes() const {
    size_t bytes = sizeof(*this) + m_nameBefore.size() + m_nameAfter.size();
    for (const Entry& entry : m_entries) {
        bytes += sizeof(Entry) + entry.key.size() + entry.change.Bytes();
        for (const auto* animation : {&entry.before, &entry.after}) {
            if (!*animation) continue;
            for (const CFrame& frame : (*animation)->frames) bytes += FrameBytes(frame);
        }
    }
    return bytes;
}
