#include "FrameCommands.h"

#include "CAnimation.h"

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
