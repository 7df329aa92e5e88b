#pragma once
// What one change did to a character: its name, and each animation that was added, removed
// or changed (changed ones as an animation difference, so unchanged frames cost nothing).
#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "AnimationDiff.h"
#include "CCharacterModel.h"

class CCharacterDiff {
public:
    static CCharacterDiff Between(const CCharacterModel& before, const CCharacterModel& after);

    bool IsEmpty() const { return m_nameBefore == m_nameAfter && m_entries.empty(); }
    void Undo(CCharacterModel& character) const;
    void Redo(CCharacterModel& character) const;
    size_t Bytes() const;

private:
    struct Entry {
        std::string key;
        std::optional<CAnimation> before, after;  // whole animations added or removed
        CAnimationDiff change;                    // an animation kept under its key
        bool IsWhole() const { return before || after; }
    };
    static void Put(CCharacterModel& character, const std::string& key, const std::optional<CAnimation>& animation);
    void Apply(CCharacterModel& character, bool forward) const;

    std::string m_nameBefore, m_nameAfter;
    std::vector<Entry> m_entries;
};
