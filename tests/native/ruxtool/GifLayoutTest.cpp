#include <gtest/gtest.h>

#include "DotsGif.h"
#include "GifCanvas.h"
#include "GifLayout.h"

namespace {

TEST(GifLayout, FrameRectanglesAndDisposalsComeFromTheBlocksAndEveryCutIsAnError) {
    const std::vector<uint8_t> bytes = DotsGifBytes();
    const GifLayout layout = ScanGifLayout(bytes.data(), bytes.size());
    ASSERT_TRUE(layout.error.empty()) << layout.error;
    EXPECT_EQ(layout.width, 4);
    EXPECT_EQ(layout.height, 2);
    ASSERT_EQ(layout.frames.size(), 4u);
    const int rectangles[4][4] = {{0, 0, 4, 2}, {1, 0, 1, 1}, {2, 1, 2, 1}, {0, 0, 1, 1}};
    const int disposals[4] = {1, 3, 2, 1};
    for (size_t i = 0; i < 4; ++i) {
        const GifFrameLayout& frame = layout.frames[i];
        EXPECT_EQ((std::vector<int>{frame.left, frame.top, frame.width, frame.height}),
                  (std::vector<int>(rectangles[i], rectangles[i] + 4)))
            << "frame " << i;
        EXPECT_EQ(frame.disposal, disposals[i]) << "frame " << i;
        EXPECT_TRUE(frame.hasColours);
    }
    // Every shorter file stops inside some block (read in place, so sanitizers see any overrun).
    for (size_t length = 0; length < bytes.size(); ++length) {
        const std::vector<uint8_t> cut(bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(length));
        EXPECT_FALSE(ScanGifLayout(cut.data(), cut.size()).error.empty()) << length << " bytes";
    }
}

TEST(GifLayout, TheCanvasLimitsApplyToTheLayoutBeforeAnyFrameIsDecoded) {
    const std::vector<uint8_t> bytes = DotsGifBytes();
    const GifLayout layout = ScanGifLayout(bytes.data(), bytes.size());
    GifPicture out;
    EXPECT_TRUE(GifCanvas::AdmitsLayout(layout, GifLimits{8, 1u << 20, 4, false}, out)) << out.error;
    EXPECT_FALSE(GifCanvas::AdmitsLayout(layout, GifLimits{8, 1u << 20, 3, false}, out));
    EXPECT_EQ(out.error, "more than 3 frames");
    EXPECT_TRUE(GifCanvas::AdmitsLayout(layout, GifLimits{8, 1u << 20, 1, true}, out)) << "only the first is wanted";
    // Frame 2 puts the canvas back afterwards: 2 frames, the canvas and its copy, 32 bytes each.
    EXPECT_FALSE(GifCanvas::AdmitsLayout(layout, GifLimits{8, 127, 4, false}, out));
    EXPECT_EQ(out.error, "the frames would take more than 0 MiB");
    EXPECT_FALSE(GifCanvas::AdmitsLayout(layout, GifLimits{3, 1u << 20, 4, false}, out));
    EXPECT_EQ(out.error, "GIF canvas 4 x 2 is empty or larger than 3 pixels on a side");
    std::vector<uint8_t> outside = bytes;
    outside[0x4D] = 4;  // frame 2's left edge: a 1-wide frame at x = 4 of a 4-wide canvas
    GifPicture shifted;
    EXPECT_FALSE(GifCanvas::AdmitsLayout(ScanGifLayout(outside.data(), outside.size()), GifLimits{8, 1u << 20, 4, false},
                                         shifted));
    EXPECT_EQ(shifted.error, "frame 2 lies outside the 4 x 2 canvas");
}

}  // namespace
