#include "CCharacterModel.h"

#include <cstdio>

#include "CFileReader.h"
#include "CFileWriter.h"
#include "FileReplace.h"
#include "StreamTransfer.h"
#include "SystemError.h"

namespace {

bool WriteModel(CFileWriter& writer, const std::string& characterName, const CCharacterModel::AnimationMap& animations) {
    if (!WriteCountedString(writer, characterName) || !WriteU32(writer, static_cast<uint32_t>(animations.size())))
        return false;
    for (const auto& entry : animations) {
        if (!entry.second.WriteTo(writer)) return false;
    }
    return writer.Close();
}

}  // namespace

CCharacterModel::CCharacterModel(const std::string& path) { m_failed = !Load(path); }

bool CCharacterModel::Load(const std::string& path) {
    CFileReader reader(path);
    if (!reader.Good()) return false;
    return Load(reader);
}

bool CCharacterModel::Load(CFileReader& reader) {
    uint32_t animationCount = 0;
    if (!ReadCountedString(reader, m_characterName) || !ReadU32(reader, animationCount)) return false;
    // The count is not trusted up front: every record completed before the file ends is kept,
    // and each record allocates only what the bytes left can hold.
    for (uint32_t i = 0; i < animationCount; ++i) {
        CAnimation animation;
        if (!animation.ReadFrom(reader)) return false;
        const std::string name = animation.name;
        FileAnimation(name, std::move(animation));
    }
    return reader.Good();
}

bool CCharacterModel::Save(const std::string& path) const {
    int ignored = 0;
    return Save(path, ignored);
}

bool CCharacterModel::Save(const std::string& path, int& systemError) const {
    // Written beside the target and moved over it only when complete: a failed save keeps the old file.
    const std::string temporary = path + ".saving";
    bool saved = false;
    {
        CFileWriter writer(temporary);
        saved = writer.Good() && WriteModel(writer, m_characterName, m_animations);
        if (!saved) systemError = LastSystemError();
    }
    if (saved) {
        if (ReplaceFileWith(temporary, path)) return true;
        systemError = LastSystemError();
    }
    std::remove(temporary.c_str());
    return false;
}

const CAnimation* CCharacterModel::FindAnimation(const std::string& name) const {
    const auto found = m_animations.find(name);
    return found != m_animations.end() ? &found->second : nullptr;
}

CAnimation* CCharacterModel::FindAnimation(const std::string& name) {
    const auto found = m_animations.find(name);
    return found != m_animations.end() ? &found->second : nullptr;
}

void CCharacterModel::FileAnimation(const std::string& name, CAnimation animation) {
    animation.name = name;  // an animation's name is always its key
    m_animations.insert_or_assign(name, std::move(animation));
}

bool CCharacterModel::EraseAnimation(const std::string& name) { return m_animations.erase(name) > 0; }

bool operator==(const CCharacterModel& a, const CCharacterModel& b) {
    return a.m_failed == b.m_failed && a.m_characterName == b.m_characterName && a.m_animations == b.m_animations;
}
