#pragma once
// What one thread of this process hands to another through a window message, recognised on
// arrival by an entry this process made, never by an address the message carries. Any
// program on the desktop can find the engine's windows and send them any message number with
// any parameters: a key that was never handed out, was addressed to another window, or was
// already taken back finds nothing.
#include <cstddef>
#include <cstdint>
#include <map>
#include <mutex>
#include <optional>
#include <random>
#include <utility>
#include <vector>

// The target is the receiving window: any handle, kept as its numeric value.
template <typename Value>
class HandoffTable {
public:
    // Keeps the value for the target under a fresh key that cannot be guessed from earlier
    // ones (never 0); the key travels in the message.
    uintptr_t Issue(const void* target, Value value) {
        const std::lock_guard<std::mutex> guard(m_lock);
        uintptr_t key = 0;
        do {
            key = static_cast<uintptr_t>(m_keys());
        } while (key == 0 || m_entries.count(AddressOf(target, key)) != 0);
        m_entries.emplace(AddressOf(target, key), std::move(value));
        return key;
    }

    // Keeps the value for the target under a key the caller chose (an address that the
    // message carries by protocol); false when that key is held for the target already.
    bool Insert(const void* target, uintptr_t key, Value value) {
        const std::lock_guard<std::mutex> guard(m_lock);
        return m_entries.emplace(AddressOf(target, key), std::move(value)).second;
    }

    // The value kept for the target under the key, removed: each hand-over is taken once.
    std::optional<Value> Take(const void* target, uintptr_t key) {
        const std::lock_guard<std::mutex> guard(m_lock);
        const auto found = m_entries.find(AddressOf(target, key));
        if (found == m_entries.end()) return std::nullopt;
        std::optional<Value> value(std::move(found->second));
        m_entries.erase(found);
        return value;
    }

    // Every value still kept for the target, removed (the target is going away).
    std::vector<Value> TakeAll(const void* target) {
        const std::lock_guard<std::mutex> guard(m_lock);
        std::vector<Value> values;
        const Address first = AddressOf(target, 0);
        auto entry = m_entries.lower_bound(first);
        while (entry != m_entries.end() && entry->first.first == first.first) {
            values.push_back(std::move(entry->second));
            entry = m_entries.erase(entry);
        }
        return values;
    }

    size_t Count() const {
        const std::lock_guard<std::mutex> guard(m_lock);
        return m_entries.size();
    }

private:
    using Address = std::pair<uintptr_t, uintptr_t>;  // target, key
    static Address AddressOf(const void* target, uintptr_t key) { return {reinterpret_cast<uintptr_t>(target), key}; }

    mutable std::mutex m_lock;
    std::map<Address, Value> m_entries;
    std::mt19937_64 m_keys{std::random_device{}()};
};
