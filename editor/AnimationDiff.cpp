#include "AnimationDiff.h"

#include <algorithm>

CAnimationDiff CAnimationDiff::Between(const CAnimation& before, const CAnimation& after) {
    CAnimationDiff diff;
    const std::vector<CFrame>& a = before.frames;
    const std::vector<CFrame>& b = after.frames;
    size_t first = 0;
    while (first < a.size() && first < b.size() && a[first] == b[first]) ++first;
    size_t tail = 0;
    while (tail < a.size() - first && tail < b.size() - first && a[a.size() - 1 - tail] == b[b.size() - 1 - tail])
        ++tail;
    diff.m_first = first;
    diff.m_before.assign(a.begin() + static_cast<std::ptrdiff_t>(first), a.end() - static_cast<std::ptrdiff_t>(tail));
    diff.m_after.assign(b.begin() + static_cast<std::ptrdiff_t>(first), b.end() - static_cast<std::ptrdiff_t>(tail));
    const size_t paired = std::min(diff.m_before.size(), diff.m_after.size());
    diff.m_pictureKept.assign(paired, false);
    for (size_t i = 0; i < paired; ++i) {
        if (!(diff.m_before[i].image == diff.m_after[i].image)) continue;
        diff.m_pictureKept[i] = true;
        diff.m_before[i].image = CBryDIB();
        diff.m_after[i].image = CBryDIB();
    }
    diff.m_nameBefore = before.name;
    diff.m_nameAfter = after.name;
    diff.m_reservedBefore[0] = before.reserved1;
    diff.m_reservedBefore[1] = before.reserved2;
    diff.m_reservedAfter[0] = after.reserved1;
    diff.m_reservedAfter[1] = after.reserved2;
    diff.m_empty = diff.m_before.empty() && diff.m_after.empty() && before.name == after.name &&
                   before.reserved1 == after.reserved1 && before.reserved2 == after.reserved2;
    return diff;
}

void CAnimationDiff::Apply(CAnimation& animation, const std::vector<CFrame>& present,
                           const std::vector<CFrame>& wanted, const std::string& name,
                           const uint32_t (&reserved)[2]) const {
    animation.name = name;
    animation.reserved1 = reserved[0];
    animation.reserved2 = reserved[1];
    std::vector<CFrame>& frames = animation.frames;
    // Not the animation the difference was made for: nothing to apply it to.
    if (m_first > frames.size() || present.size() > frames.size() - m_first) return;
    std::vector<CFrame> incoming = wanted;
    for (size_t i = 0; i < m_pictureKept.size(); ++i) {
        if (m_pictureKept[i]) incoming[i].image = std::move(frames[m_first + i].image);
    }
    const auto start = frames.begin() + static_cast<std::ptrdiff_t>(m_first);
    frames.erase(start, start + static_cast<std::ptrdiff_t>(present.size()));
    frames.insert(frames.begin() + static_cast<std::ptrdiff_t>(m_first), std::make_move_iterator(incoming.begin()),
                  std::make_move_iterator(incoming.end()));
}

size_t CAnimationDiff::Bytes() const {
    size_t bytes = sizeof(*this) + m_nameBefore.size() + m_nameAfter.size() + m_pictureKept.size() / 8;
    for (const CFrame& frame : m_before) bytes += FrameBytes(frame);
    for (const CFrame& frame : m_after) bytes += FrameBytes(frame);
    return bytes;
}

size_t FrameBytes(const CFrame& frame) {
    constexpr size_t kOriginNodeBytes = 64;  // a map node with its key and point
    size_t bytes = sizeof(CFrame) + frame.image.Block().size() + frame.sound.size();
    for (const auto& origin : frame.origins) bytes += kOriginNodeBytes + origin.first.size();
    return bytes;
}
