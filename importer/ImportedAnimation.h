#pragma once
// An animation made of imported frame pictures, the same for ruxtool import and the editor.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

#include "CAnimation.h"
#include "PointF.h"
#include "SourcePictures.h"

struct ImportFrameSettings {
    uint32_t displayTime = 100;    // for frames whose source has no time of its own
    std::optional<PointF> anchor;  // none: the middle of each picture's bottom edge
    PointF shift;
};

// One frame per source picture, in order, keyed for the desktop, every frame with the settings.
CAnimation AnimationFromSources(const std::vector<SourceFrame>& frames, const ImportFrameSettings& settings);

// How many of the frames are larger than a character's drawing area.
size_t OversizedFrames(const std::vector<SourceFrame>& frames);
