#include "ScaledPictureCache.h"

#include <algorithm>
#include <cmath>

#include "PictureScaling.h"

size_t ScaledPictureCache::BytesOf(const Surface& picture) { return picture.Pixels().size() * sizeof(uint32_t); }

const Surface& ScaledPictureCache::Get(const void* key, DisplayScale scale, int32_t maxWidth, int32_t maxHeight,
                                       const PictureSource& source) {
    const auto found = std::find_if(m_entries.begin(), m_entries.end(), [&](const Entry& e) {
        return e.key == key && e.scale == scale && e.maxWidth == maxWidth && e.maxHeight == maxHeight;
    });
    if (found != m_entries.end()) {
        m_entries.splice(m_entries.begin(), m_entries, found);
        return m_entries.front().picture;
    }
    const Surface part = source.drawPart(SourceSpan(source.width, scale, maxWidth), SourceSpan(source.height, scale, maxHeight));
    Surface picture = ScaleNearestPart(part, source.width, source.height, scale, maxWidth, maxHeight);
    ++m_made;
    m_bytes += BytesOf(picture);
    m_entries.push_front(Entry{key, scale, maxWidth, maxHeight, std::move(picture)});
    TrimExceptFront();
    return m_entries.front().picture;
}

void ScaledPictureCache::TrimExceptFront() {
    while (m_bytes > m_budget && m_entries.size() > 1) {
        m_bytes -= BytesOf(m_entries.back().picture);
        m_entries.pop_back();
    }
}

void ScaledPictureCache::Clear() {
    m_entries.clear();
    m_bytes = 0;
}
