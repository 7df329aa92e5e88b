#pragma once
// Frame pictures at a character's scale, made once per frame and scale and kept within a
// memory bound, so that a tick only copies them.
#include <cstddef>
#include <cstdint>
#include <functional>
#include <list>

#include "DisplayScale.h"
#include "Surface.h"

// A picture to scale: its size at file scale, and how to draw its top-left part of a given
// size (only what the cut picture shows is ever drawn, whatever the picture's size).
struct PictureSource {
    int32_t width = 0;
    int32_t height = 0;
    std::function<Surface(int32_t partWidth, int32_t partHeight)> drawPart;
};

class ScaledPictureCache {
public:
    // Every picture is cut to the drawing area, so one entry is at most 4 x 160 x 200 x s² bytes
    // (512 KiB at s = 2): the bound holds every frame of the sample characters at s = 2.
    static constexpr size_t kDefaultBudgetBytes = size_t{32} << 20;

    explicit ScaledPictureCache(size_t budgetBytes = kDefaultBudgetBytes) : m_budget(budgetBytes) {}

    // The picture of key at scale, cut to maxWidth x maxHeight; made from the source when it
    // is not kept. Beyond the budget, the pictures used longest ago go first; the one returned
    // stays, even if it alone is larger than the budget. The reference lasts until the next call.
    const Surface& Get(const void* key, DisplayScale scale, int32_t maxWidth, int32_t maxHeight,
                       const PictureSource& source);
    void Clear();

    size_t Bytes() const { return m_bytes; }
    size_t Count() const { return m_entries.size(); }
    // Pictures made so far (each a scaling); a kept picture is not made again.
    size_t MadeCount() const { return m_made; }

private:
    struct Entry {
        const void* key;
        DisplayScale scale;
        int32_t maxWidth, maxHeight;
        Surface picture;
    };
    static size_t BytesOf(const Surface& picture);
    void TrimExceptFront();

    size_t m_budget;
    size_t m_bytes = 0;
    size_t m_made = 0;
    std::list<Entry> m_entries;  // most recently used first
};
