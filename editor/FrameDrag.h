#pragma once
// Moving a dragged point through the current frame and every later one.
#include <cstddef>
#include <string>

class CAnimation;

// Adds (dx, dy) to the anchors when the target is the character's name, otherwise to the
// origin of that name (created at (0, 0) where a frame lacks it), in frames from `first` on.
void ApplyDrag(CAnimation& animation, size_t first, const std::string& target, const std::string& characterName,
               float dx, float dy);
