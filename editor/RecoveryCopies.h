#pragma once
// Recovery copies: where the editor keeps a character whose session ended with unsaved changes,
// and the list (a text file in the user's local application data) from which the next start
// offers them. A copy lies beside its file ("rich.rux" gives "rich.rux.recovery"); a
// character never saved, or one whose folder cannot be written, goes into the editor's own
// folder as "Untitled-STAMP.rux.recovery".
#include <optional>
#include <string>
#include <vector>

class CCharacterModel;

struct RecoveryEntry {
    std::string copy;      // the recovery copy's path
    std::string document;  // the file it was made for; empty for a character never saved

    friend bool operator==(const RecoveryEntry& a, const RecoveryEntry& b) {
        return a.copy == b.copy && a.document == b.document;
    }
};

std::string RecoveryCopyBeside(const std::string& document);
std::string RecoveryCopyIn(const std::string& folder, const std::string& stamp);

// The list: one entry a line, the copy's path and the document's path apart by a tab (which no
// Windows path holds). Lines that make no entry are skipped.
std::vector<RecoveryEntry> ParseRecoveryList(const std::string& text);
std::string FormatRecoveryList(const std::vector<RecoveryEntry>& entries);

class CRecoveryList {
public:
    // `folder` holds the list ("recovery.txt") and the copies of characters never saved.
    explicit CRecoveryList(std::string folder);

    // Writes the copy beside the document or, failing that, into the folder, and lists it.
    // The entry, or nothing when no copy could be written.
    std::optional<RecoveryEntry> Keep(const CCharacterModel& character, const std::optional<std::string>& document,
                                      const std::string& stamp) const;
    // The listed entries whose copy is still there.
    std::vector<RecoveryEntry> Pending() const;
    // Takes the entry off the list; its copy stays where it is.
    void Forget(const RecoveryEntry& entry) const;

private:
    std::vector<RecoveryEntry> Listed() const;
    void List(const std::vector<RecoveryEntry>& entries) const;

    std::string m_folder;
};

// What the next start asks about an entry: Yes opens the copy, No keeps it where it is.
std::string RecoveryQuestion(const RecoveryEntry& entry);
