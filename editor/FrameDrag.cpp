#include "FrameDrag.h"

#include "CAnimation.h"

void ApplyDrag(CAnimation& animation, size_t first, const std::string& target, const std::string& characterName,
               float dx, float dy) {
    const bool anchor = target == characterName;
    for (size_t i = first; i < animation.frames.size(); ++i) {
        CFrame& frame = animation.frames[i];
        PointF& point = anchor ? frame.anchor : frame.origins[target];
        point.x += dx;
        point.y += dy;
    }
}
