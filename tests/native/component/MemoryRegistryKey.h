#pragma once
// An in-memory stand-in for the installed-file list key.
#include <map>

#include "IRegistryKey.h"

class MemoryRegistryKey : public IRegistryKey {
public:
    std::map<std::string, std::string> values;
    bool invalid = false;
    int reads = 0;

    bool IsInvalid() const override { return invalid; }
    std::optional<std::string> ReadString(const std::string& name) override {
        ++reads;
        const auto found = values.find(name);
        if (invalid || found == values.end() || found->second.size() > kListValueBufferSize) return std::nullopt;
        return found->second;
    }
    bool WriteString(const std::string& name, const std::string& text) override {
        if (invalid) return false;
        values[name] = text;
        return true;
    }
    bool DeleteValue(const std::string& name) override { return !invalid && values.erase(name) > 0; }
};
