#include "SharedCharacterModels.h"

#include <cstdint>
#include <filesystem>
#include <map>
#include <mutex>
#include <optional>
#include <system_error>
#include <tuple>

namespace {

struct FileIdentity {
    std::string path;
    uintmax_t size = 0;
    int64_t changed = 0;  // the time of last change, in the file system's clock ticks

    bool operator<(const FileIdentity& other) const {
        return std::tie(path, size, changed) < std::tie(other.path, other.size, other.changed);
    }
};

std::optional<FileIdentity> IdentifyFile(const std::string& path) {
    std::error_code error;
    const std::filesystem::path file(path);
    const uintmax_t size = std::filesystem::file_size(file, error);
    if (error) return std::nullopt;
    const auto changed = std::filesystem::last_write_time(file, error);
    if (error) return std::nullopt;
    return FileIdentity{path, size, static_cast<int64_t>(changed.time_since_epoch().count())};
}

class ModelTable {
public:
    // The file is read outside the lock, so that loads of other files go on meanwhile; of two
    // loads of one file at once, the first one filed is kept.
    std::shared_ptr<const CCharacterModel> Load(const std::string& path) {
        const std::optional<FileIdentity> identity = IdentifyFile(path);
        if (!identity) return std::make_shared<const CCharacterModel>(path);
        if (auto model = Find(*identity)) return model;
        auto model = std::make_shared<const CCharacterModel>(path);
        if (model->IsFailed()) return model;
        std::lock_guard<std::mutex> guard(m_lock);
        std::weak_ptr<const CCharacterModel>& filed = m_models[*identity];
        if (auto earlier = filed.lock()) return earlier;
        filed = model;
        return model;
    }

private:
    std::shared_ptr<const CCharacterModel> Find(const FileIdentity& identity) {
        std::lock_guard<std::mutex> guard(m_lock);
        DropUnused();
        const auto found = m_models.find(identity);
        return found != m_models.end() ? found->second.lock() : nullptr;
    }

    void DropUnused() {
        for (auto entry = m_models.begin(); entry != m_models.end();) {
            entry = entry->second.expired() ? m_models.erase(entry) : std::next(entry);
        }
    }

    std::mutex m_lock;
    std::map<FileIdentity, std::weak_ptr<const CCharacterModel>> m_models;
};

}  // namespace

std::shared_ptr<const CCharacterModel> LoadSharedCharacterModel(const std::string& path) {
    static ModelTable table;
    return table.Load(path);
}
