#include "FrameCommands.h"

#include "CAnimation.h"

#include <utility>

size_t InsertFrameAfter(CAnimation& animation, size_t current) {
    const size_t count = animation.frames.size();
    const size_t index = count == 0 ? 0 : current + 1;
    if (index > count) return current;
    animation.frames.insert(animation.frames.begin() + static_cast<std::ptrdiff_t>(index), CFrame());
    return index;
}

DeleteOutcome DeleteFrameAt(CAnimation& animation, size_t& current) {
    const size_t count = animation.frames.size();
    if (current >= count) return DeleteOutcome::NoSuchFrame;
    if (count == 1) return DeleteOutcome::RefusedLastFrame;
    animation.frames.erase(animation.frames.begin() + static_cast<std::ptrdiff_t>(current));
    if (current >= animation.frames.size()) current = animation.frames.size() - 1;
    return DeleteOutcome::Deleted;
}

size_t DuplicateFrameAt(CAnimation& animation, size_t current) {
    if (current >= animation.frames.size()) return current;
    CFrame copy = animation.frames[current];
    animation.frames.insert(animation.frames.begin() + static_cast<std::ptrdiff_t>(current + 1), std::move(copy));
    return current + 1;
}

bool MoveFrame(CAnimation& animation, size_t& current, FrameMove direction) {
    const size_t count = animation.frames.size();
    if (current >= count) return false;
    if (direction == FrameMove::Earlier ? current == 0 : current + 1 == count) return false;
    const size_t target = direction == FrameMove::Earlier ? current - 1 : current + 1;
    std::swap(animation.frames[current], animation.frames[target]);
    current = target;
    return true;
}
