#pragma once
// Reads a text whose length is not known in advance through a call that fills a buffer and
// cuts what does not fit (GetModuleFileName and its kind), growing the buffer until the whole
// text fits. A text that cannot be read whole is no text: a cut one is never given.
#include <cstddef>
#include <functional>
#include <optional>
#include <string>

// fill(buffer, capacity) writes at most capacity characters and returns how many it wrote:
// 0 for a failure, capacity (or more) when the text was cut.
template <typename Char>
std::optional<std::basic_string<Char>> ReadGrowing(const std::function<size_t(Char*, size_t)>& fill,
                                                   size_t initialCapacity, size_t maximumCapacity) {
    for (size_t capacity = initialCapacity; capacity <= maximumCapacity; capacity *= 2) {
        std::basic_string<Char> text(capacity, Char{});
        const size_t length = fill(text.data(), capacity);
        if (length == 0) return std::nullopt;
        if (length < capacity) {
            text.resize(length);
            return text;
        }
    }
    return std::nullopt;
}
