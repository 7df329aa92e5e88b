#pragma once
// Inserting and deleting frames of the animation being edited.
#include <cstddef>

class CAnimation;

// Puts a new empty frame after the current one and returns the new current index. In an
// animation without frames the new frame becomes the first one.
size_t InsertFrameAfter(CAnimation& animation, size_t current);

enum class DeleteOutcome {
    Deleted,
    RefusedLastFrame,  // the only frame is never deleted
    NoSuchFrame,
};

// Removes the current frame unless it is the only one; the following frames move down and
// `current` stays in range.
DeleteOutcome DeleteFrameAt(CAnimation& animation, size_t& current);
