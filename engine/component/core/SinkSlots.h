#pragma once
// The connection list of an event source: slots of sinks, reused first-empty-first, growing
// from one slot to four and then doubling when full. A cookie names a slot (index + 1).
#include <cstddef>
#include <cstdint>
#include <utility>
#include <vector>

template <class Sink>
class SinkSlots {
public:
    // Puts the sink in the first empty slot and gives its cookie; throws std::bad_alloc when
    // the list cannot grow.
    uint32_t Add(Sink sink) {
        for (size_t i = 0; i < m_slots.size(); ++i) {
            if (!m_slots[i]) {
                m_slots[i] = std::move(sink);
                return CookieOf(i);
            }
        }
        const size_t index = m_slots.size();
        m_slots.resize(GrownSize(index));
        m_slots[index] = std::move(sink);
        return CookieOf(index);
    }

    // Empties the cookie's slot and hands its sink back; false when nothing is connected there.
    bool Remove(uint32_t cookie, Sink& removed) {
        if (cookie == 0 || cookie > m_slots.size() || !m_slots[cookie - 1]) return false;
        removed = std::move(m_slots[cookie - 1]);
        m_slots[cookie - 1] = Sink();
        return true;
    }

    size_t SlotCount() const { return m_slots.size(); }
    // The sink in a slot; empty for an empty slot.
    const Sink& At(size_t slot) const { return m_slots[slot]; }
    static uint32_t CookieOf(size_t slot) { return static_cast<uint32_t>(slot + 1); }

    size_t ConnectedCount() const {
        size_t count = 0;
        for (const Sink& sink : m_slots) count += sink ? 1 : 0;
        return count;
    }

private:
    static size_t GrownSize(size_t size) { return size == 0 ? 1 : size == 1 ? 4 : size * 2; }

    std::vector<Sink> m_slots;
};
