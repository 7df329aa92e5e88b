#pragma once
// Inserting, duplicating, moving and deleting frames of the animation being edited.
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

// Puts a copy of the current frame (picture, time, shift, anchor, origins, sound) right after
// it and returns the copy's index. Without such a frame nothing changes and `current` comes back.
size_t DuplicateFrameAt(CAnimation& animation, size_t current);

enum class FrameMove { Earlier, Later };

// Swaps the current frame with its neighbour; `current` follows the frame. False at either end.
bool MoveFrame(CAnimation& animation, size_t& current, FrameMove direction);
