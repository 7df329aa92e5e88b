#pragma once
// Loading and saving the current character with the reason of a failure, and what the editor
// remembers of its file: the path, and the character as it was last created, loaded or saved,
// against which unsaved changes are told.
#include <cstdint>
#include <optional>
#include <string>

#include "CCharacterModel.h"

struct FileOutcome {
    bool succeeded = true;
    std::string message;  // what the "Error" box says when it failed
    bool replaced = false;  // a load replaced the character (by all or part of the file)
};

// Replaces the character by the file's contents. A file that cannot be opened leaves the
// character as it was; one that breaks off leaves what was read of it.
FileOutcome LoadCharacterFrom(CCharacterModel& character, const std::string& path);
// Writes the character; a failure leaves both the character and a former file as they were.
FileOutcome SaveCharacterTo(const CCharacterModel& character, const std::string& path);

// The texts of the "Error" box, naming the file and the system's reason.
std::string SaveFailureText(const std::string& path, const std::string& reason);
std::string OpenFailureText(const std::string& path, const std::string& reason);
std::string ReadBreakText(const std::string& path, uint64_t readUpTo);

class CSavedState {
public:
    // The character now matches its file at `path` (none for a new or unreadable one).
    void MarkSaved(const CCharacterModel& character, std::optional<std::string> path);
    // The character was opened from a recovery copy of the file at `path` (none for one never
    // saved): its file has not seen it, so it counts as changed until it is saved.
    void MarkRecovered(std::optional<std::string> path);
    bool IsModified(const CCharacterModel& character) const { return !(character == m_saved); }
    const std::optional<std::string>& Path() const { return m_path; }
    // "Save changes to NAME?", NAME being the file's name, else the character's, else "Untitled".
    std::string SaveChangesQuestion(const CCharacterModel& character) const;

private:
    CCharacterModel m_saved;
    std::optional<std::string> m_path;
};
