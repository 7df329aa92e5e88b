#include "CharacterFile.h"

#include "CFileReader.h"
#include "CharacterDocument.h"
#include "SystemError.h"

namespace {

std::string Reason(int systemError) {
    return systemError != 0 ? SystemErrorText(systemError) : std::string("The file could not be written.");
}

std::string FileNameOf(const std::string& path) {
    const size_t slash = path.find_last_of("\\/");
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

}  // namespace

FileOutcome LoadCharacterFrom(CCharacterModel& character, const std::string& path) {
    CFileReader reader(path);
    if (reader.IsNotRegularFile()) return {false, OpenFailureText(path, "It is a folder or a device, not a file.")};
    if (!reader.Good()) return {false, OpenFailureText(path, SystemErrorText(LastSystemError()))};
    ClearCharacter(character);
    if (character.Load(reader)) return {true, std::string(), true};
    const uint64_t readUpTo = reader.Good() ? reader.Offset() : reader.FailureOffset();
    return {false, ReadBreakText(path, readUpTo), true};
}

FileOutcome SaveCharacterTo(const CCharacterModel& character, const std::string& path) {
    int systemError = 0;
    if (character.Save(path, systemError)) return {};
    return {false, SaveFailureText(path, Reason(systemError))};
}

std::string SaveFailureText(const std::string& path, const std::string& reason) {
    return "\"" + path + "\" could not be saved.\n\n" + reason;
}

std::string OpenFailureText(const std::string& path, const std::string& reason) {
    return "\"" + path + "\" could not be loaded.\n\n" + reason;
}

std::string ReadBreakText(const std::string& path, uint64_t readUpTo) {
    return "\"" + path + "\" could be read only up to byte " + std::to_string(readUpTo) +
           ".\n\nWhat could be read is shown.";
}

void CSavedState::MarkSaved(const CCharacterModel& character, std::optional<std::string> path) {
    m_saved = character;
    m_path = std::move(path);
}

void CSavedState::MarkRecovered(std::optional<std::string> path) {
    m_saved = CCharacterModel();
    m_saved.SetCharacterName(std::string(1, '\0'));  // no character the editor makes is named so
    m_path = std::move(path);
}

std::string CSavedState::SaveChangesQuestion(const CCharacterModel& character) const {
    std::string name = m_path ? FileNameOf(*m_path) : character.CharacterName();
    if (name.empty()) name = "Untitled";
    return "Save changes to " + name + "?";
}
