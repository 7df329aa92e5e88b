#pragma once
// One character in memory: its name and its animations filed by name (byte order).
#include <cstddef>
#include <map>
#include <string>

#include "CAnimation.h"

class CFileReader;

class CCharacterModel {
public:
    using AnimationMap = std::map<std::string, CAnimation>;

    CCharacterModel() = default;
    // Loads the file; IsFailed() tells whether that load failed.
    explicit CCharacterModel(const std::string& path);
    CCharacterModel(const CCharacterModel&) = default;
    CCharacterModel(CCharacterModel&&) noexcept = default;
    CCharacterModel& operator=(const CCharacterModel&) = default;
    CCharacterModel& operator=(CCharacterModel&&) noexcept = default;
    virtual ~CCharacterModel() = default;

    // Adds the file's character to the model (nothing is emptied first). False when the
    // file did not open (model untouched) or a transfer failed (model keeps what was read).
    bool Load(const std::string& path);
    bool Load(CFileReader& reader);
    // Writes the model; the previous file stays intact unless the whole write succeeds.
    bool Save(const std::string& path) const;
    // The same; on failure `systemError` holds the platform's error number (LastSystemError).
    bool Save(const std::string& path, int& systemError) const;

    bool IsFailed() const { return m_failed; }

    const std::string& CharacterName() const { return m_characterName; }
    void SetCharacterName(std::string name) { m_characterName = std::move(name); }

    const AnimationMap& Animations() const { return m_animations; }
    size_t AnimationCount() const { return m_animations.size(); }
    const CAnimation* FindAnimation(const std::string& name) const;
    CAnimation* FindAnimation(const std::string& name);
    // Files the animation under the name, replacing any animation of that name.
    void FileAnimation(const std::string& name, CAnimation animation);
    bool EraseAnimation(const std::string& name);
    void EraseAllAnimations() { m_animations.clear(); }

    friend bool operator==(const CCharacterModel& a, const CCharacterModel& b);

private:
    bool m_failed = false;
    AnimationMap m_animations;
    std::string m_characterName;
};
