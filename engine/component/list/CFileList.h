#pragma once
// The list of installed character files: values File_1, File_2, ... up to the first gap.
#include <functional>
#include <optional>
#include <string>

#include "IRegistryKey.h"

// A listed file: its index and its path as listed.
struct ListedFile {
    long long index = 0;
    std::string path;
};

class CFileList {
public:
    explicit CFileList(IRegistryKey& key) : m_key(key) {}

    static std::string ValueName(long long index);  // "File_<index>"

    // The first index whose value is missing; the list holds FirstMissingIndex() - 1 entries.
    long long FirstMissingIndex();
    long long Count() { return FirstMissingIndex() - 1; }
    // Appends a path at the first missing index; false when the path is empty.
    bool Add(const std::string& path);
    std::optional<std::string> PathAt(long long index);
    // The index of the first listed path equal to path (A to Z without case).
    std::optional<long long> FindPath(const std::string& path);
    // The same, with the path as it was read: what matched, whatever the list holds later.
    std::optional<ListedFile> FindEntry(const std::string& path);
    // Removes every entry whose file holds that character name, keeping the list gap-free.
    // characterNameOf reads a listed file's character name (empty when unreadable).
    int Remove(const std::string& characterName, const std::function<std::string(const std::string&)>& characterNameOf);
    // Removes every entry listing path (A to Z without case), keeping the list gap-free.
    int RemovePath(const std::string& path);

private:
    void CloseGapAt(long long index);
    int RemoveWhere(const std::function<bool(const std::string&)>& matches);

    IRegistryKey& m_key;
};
