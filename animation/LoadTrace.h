#pragma once
// What a load saw, for tools that report where a file is wrong.
#include <cstdint>
#include <string>
#include <vector>

struct LoadTrace {
    struct ImageBlockSite {
        uint64_t offset = 0;          // offset of the block's size field
        uint32_t storedSize = 0;      // the size the file gives
        uint32_t expectedSize = 0;    // the size its header calls for (0 when none can be computed)
        bool headerUsable = false;    // a complete, uncompressed, sane header
        std::string animation;
        uint32_t frame = 0;
    };
    std::string currentAnimation;
    uint32_t currentFrame = 0;
    std::vector<ImageBlockSite> imageBlocks;
};
