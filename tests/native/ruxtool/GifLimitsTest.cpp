// The GIF reader's limits, checked on each frame's descriptor before its pixels are decoded,
// and its answer to every cut of a file.
#include <gtest/gtest.h>

#include "DotsGif.h"
#include "GifDecoder.h"

namespace {

std::string ErrorOf(const std::vector<uint8_t>& bytes, const GifLimits& limits) {
    const GifPicture picture = DecodeGif(bytes.data(), bytes.size(), limits);
    EXPECT_TRUE(picture.frames.empty()) << "frames beside an error";
    return picture.error;
}

TEST(GifLimits, EveryCutOfAFileIsAnErrorWithoutFrames) {
    const std::vector<uint8_t> bytes = DotsGifBytes();
    ASSERT_EQ(DecodeGif(bytes.data(), bytes.size(), GifLimits{8, 1u << 20, 4, false}).frames.size(), 4u);
    // Read in place, so that the sanitizers see any read past the end.
    for (size_t length = 0; length < bytes.size(); ++length) {
        const std::vector<uint8_t> cut(bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(length));
        EXPECT_FALSE(ErrorOf(cut, GifLimits{8, 1u << 20, 4, false}).empty()) << length << " bytes";
    }
}

TEST(GifLimits, FramesCanvasAndBudgetAreRefusedByNameAndTheFirstFrameAloneNeedsOnlyItsOwn) {
    const std::vector<uint8_t> bytes = DotsGifBytes();
    EXPECT_EQ(ErrorOf(bytes, GifLimits{8, 1u << 20, 3, false}), "more than 3 frames");
    const GifPicture first = DecodeGif(bytes.data(), bytes.size(), GifLimits{8, 1u << 20, 1, true});
    EXPECT_EQ(first.frames.size(), 1u) << first.error;
    // Frame 2 puts the canvas back afterwards: 2 frames, the canvas and its copy, 32 bytes each.
    EXPECT_EQ(ErrorOf(bytes, GifLimits{8, 127, 4, false}), "the frames would take more than 0 MiB");
    EXPECT_EQ(ErrorOf(bytes, GifLimits{3, 1u << 20, 4, false}), "GIF canvas 4 x 2 is empty or larger than 3 pixels on a side");
    std::vector<uint8_t> outside = bytes;
    outside[0x4D] = 4;  // frame 2's left edge: a 1-wide frame at x = 4 of a 4-wide canvas
    EXPECT_EQ(ErrorOf(outside, GifLimits{8, 1u << 20, 4, false}), "frame 2 lies outside the 4 x 2 canvas");
}

}  // namespace
