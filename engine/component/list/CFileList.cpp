#include "CFileList.h"

#include "NameCompare.h"

std::string CFileList::ValueName(long long index) { return "File_" + std::to_string(index); }

long long CFileList::FirstMissingIndex() {
    long long index = 1;
    while (m_key.ReadString(ValueName(index))) ++index;
    return index;
}

bool CFileList::Add(const std::string& path) {
    if (path.empty()) return false;
    return m_key.WriteString(ValueName(FirstMissingIndex()), path);
}

std::optional<std::string> CFileList::PathAt(long long index) { return m_key.ReadString(ValueName(index)); }

std::optional<ListedFile> CFileList::FindEntry(const std::string& path) {
    for (long long index = 1;; ++index) {
        std::optional<std::string> listed = PathAt(index);
        if (!listed) return std::nullopt;
        if (EqualsIgnoringAsciiCase(*listed, path)) return ListedFile{index, std::move(*listed)};
    }
}

std::optional<long long> CFileList::FindPath(const std::string& path) {
    const std::optional<ListedFile> found = FindEntry(path);
    if (!found) return std::nullopt;
    return found->index;
}

// Deletes File_index and moves every following entry of the run down by one.
void CFileList::CloseGapAt(long long index) {
    m_key.DeleteValue(ValueName(index));
    long long next = index + 1;
    std::optional<std::string> moved;
    while ((moved = PathAt(next))) {
        m_key.WriteString(ValueName(next - 1), *moved);
        ++next;
    }
    if (next - 1 > index) m_key.DeleteValue(ValueName(next - 1));
}

int CFileList::Remove(const std::string& characterName,
                      const std::function<std::string(const std::string&)>& characterNameOf) {
    return RemoveWhere([&](const std::string& listed) {
        return EqualsIgnoringAsciiCase(characterNameOf(listed), characterName);
    });
}

int CFileList::RemovePath(const std::string& path) {
    return RemoveWhere([&](const std::string& listed) { return EqualsIgnoringAsciiCase(listed, path); });
}

int CFileList::RemoveWhere(const std::function<bool(const std::string&)>& matches) {
    int removed = 0;
    long long index = 1;
    std::optional<std::string> path;
    while ((path = PathAt(index))) {
        if (matches(*path)) {
            CloseGapAt(index);
            ++removed;
        } else {
            ++index;
        }
    }
    return removed;
}
