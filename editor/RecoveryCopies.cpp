#include "RecoveryCopies.h"

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <sstream>

#include "CCharacterModel.h"
#include "FileReplace.h"

namespace {

constexpr const char* kListName = "recovery.txt";

bool Exists(const std::string& path) { return std::ifstream(path, std::ios::binary).good(); }

std::string Joined(const std::string& folder, const std::string& name) {
    if (folder.empty()) return name;
    const char last = folder.back();
    if (last == '\\' || last == '/') return folder + name;
    return folder + (folder.find('\\') != std::string::npos ? "\\" : "/") + name;  // the folder's own separator
}

}  // namespace

std::string RecoveryCopyBeside(const std::string& document) { return document + ".recovery"; }

std::string RecoveryCopyIn(const std::string& folder, const std::string& stamp) {
    return Joined(folder, "Untitled-" + stamp + ".rux.recovery");
}

std::vector<RecoveryEntry> ParseRecoveryList(const std::string& text) {
    std::vector<RecoveryEntry> entries;
    std::istringstream lines(text);
    std::string line;
    while (std::getline(lines, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        const size_t tab = line.find('\t');
        RecoveryEntry entry{line.substr(0, tab), tab == std::string::npos ? std::string() : line.substr(tab + 1)};
        if (!entry.copy.empty() && entry.document.find('\t') == std::string::npos) entries.push_back(std::move(entry));
    }
    return entries;
}

std::string FormatRecoveryList(const std::vector<RecoveryEntry>& entries) {
    std::string text;
    for (const RecoveryEntry& entry : entries) text += entry.copy + "\t" + entry.document + "\r\n";
    return text;
}

CRecoveryList::CRecoveryList(std::string folder) : m_folder(std::move(folder)) {}

std::optional<RecoveryEntry> CRecoveryList::Keep(const CCharacterModel& character,
                                                 const std::optional<std::string>& document,
                                                 const std::string& stamp) const {
    RecoveryEntry entry{document ? RecoveryCopyBeside(*document) : std::string(), document.value_or(std::string())};
    if (entry.copy.empty() || !character.Save(entry.copy)) {
        entry.copy = RecoveryCopyIn(m_folder, stamp);
        if (!character.Save(entry.copy)) return std::nullopt;
    }
    std::vector<RecoveryEntry> entries = Listed();
    entries.erase(std::remove(entries.begin(), entries.end(), entry), entries.end());
    entries.push_back(entry);
    List(entries);
    return entry;
}

std::vector<RecoveryEntry> CRecoveryList::Pending() const {
    std::vector<RecoveryEntry> entries = Listed();
    entries.erase(std::remove_if(entries.begin(), entries.end(), [](const RecoveryEntry& e) { return !Exists(e.copy); }),
                  entries.end());
    return entries;
}

void CRecoveryList::Forget(const RecoveryEntry& entry) const {
    std::vector<RecoveryEntry> entries = Listed();
    entries.erase(std::remove(entries.begin(), entries.end(), entry), entries.end());
    List(entries);
}

std::vector<RecoveryEntry> CRecoveryList::Listed() const {
    std::ifstream file(Joined(m_folder, kListName), std::ios::binary);
    // A list longer than any the editor writes is not read.
    constexpr std::streamsize kMostListBytes = 1 << 20;
    std::string text(static_cast<size_t>(kMostListBytes), '\0');
    file.read(text.data(), kMostListBytes);
    text.resize(static_cast<size_t>(file.gcount()));
    return ParseRecoveryList(text);
}

// Written beside the list and moved over it, so that two editors ending together leave a whole list.
void CRecoveryList::List(const std::vector<RecoveryEntry>& entries) const {
    const std::string list = Joined(m_folder, kListName);
    const std::string temporary = list + ".saving";
    {
        std::ofstream file(temporary, std::ios::binary | std::ios::trunc);
        file << FormatRecoveryList(entries);
        if (!file.flush()) return;
    }
    if (!ReplaceFileWith(temporary, list)) std::remove(temporary.c_str());
}

std::string RecoveryQuestion(const RecoveryEntry& entry) {
    const std::string of = entry.document.empty() ? "a character that was never saved" : "\"" + entry.document + "\"";
    return "When the last session ended, Tarvel kept the unsaved changes of " + of + " in\n\n\"" + entry.copy +
           "\".\n\nOpen them now? (No keeps the copy where it is and does not ask again.)";
}
