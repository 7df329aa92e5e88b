#include "ImportedAnimation.h"

#include "KeyedPicture.h"
#include "RuntimeConstants.h"

CAnimation AnimationFromSources(const std::vector<SourceFrame>& frames, const ImportFrameSettings& settings) {
    CAnimation animation;
    for (const SourceFrame& source : frames) {
        CFrame frame;
        frame.image = CBryDIB(FramePictureBlock(source));
        frame.anchor = settings.anchor.value_or(
            PointF{static_cast<float>(source.width / 2), static_cast<float>(source.height)});
        frame.shift = settings.shift;
        frame.displayTime = source.delayMs != 0 ? source.delayMs : settings.displayTime;
        animation.frames.push_back(std::move(frame));
    }
    return animation;
}

size_t OversizedFrames(const std::vector<SourceFrame>& frames) {
    size_t count = 0;
    for (const SourceFrame& frame : frames) count += frame.width > kDrawingWidth || frame.height > kDrawingHeight;
    return count;
}
