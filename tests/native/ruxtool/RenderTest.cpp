#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <functional>

#include "CAnimationPlayer.h"
#include "GifDecoder.h"
#include "GifEncoder.h"
#include "PictureDecoder.h"
#include "PictureEncoder.h"
#include "TestSupport.h"

namespace {

constexpr uint32_t kFrameColours[2] = {0xC01020, 0x2030D0};

// Walk: two 10 x 20 frames of one colour each, anchored at the feet, 4 pixels right per 100 ms.
CCharacterModel WalkingModel() {
    CCharacterModel model;
    model.SetCharacterName("Walker");
    CAnimation walk;
    for (uint32_t colour : kFrameColours) {
        std::vector<uint8_t> pixels;
        for (int i = 0; i < 10 * 20; ++i) {
            pixels.insert(pixels.end(), {static_cast<uint8_t>(colour >> 16), static_cast<uint8_t>(colour >> 8),
                                         static_cast<uint8_t>(colour)});
        }
        CFrame frame;
        frame.image = CBryDIB(DibFromPixels(pixels.data(), 10, 20, 3));
        frame.anchor = PointF{5, 20};
        frame.shift = PointF{4, 0};
        frame.displayTime = 100;
        walk.frames.push_back(frame);
    }
    model.FileAnimation("Walk", walk);
    return model;
}

struct PlayerTick {
    FrameRectangle rect;
    int32_t frame;
};

// The player on its own, stepped every 100 ms toward the destination until it stops.
std::vector<PlayerTick> PlayerRun(const CCharacterModel& model, float toX, float toY) {
    CAnimationPlayer player(&model);
    EXPECT_TRUE(player.Prepare("Walk", toX, toY, false));
    player.Start(0);
    std::vector<PlayerTick> ticks;
    for (uint32_t tick = 0; ticks.empty() || player.IsRunning(); ++tick) {
        player.Step(tick * 100);
        ticks.push_back({player.CurrentFrameRect(), player.FrameIndex()});
    }
    return ticks;
}

FrameRectangle Bounds(const std::vector<PlayerTick>& ticks) {
    FrameRectangle bounds = ticks.front().rect;
    for (const PlayerTick& tick : ticks) {
        bounds.left = std::min(bounds.left, tick.rect.left);
        bounds.top = std::min(bounds.top, tick.rect.top);
        bounds.right = std::max(bounds.right, tick.rect.right);
        bounds.bottom = std::max(bounds.bottom, tick.rect.bottom);
    }
    return bounds;
}

// Checks every pixel of each tick: the frame's colour inside its rectangle, background elsewhere.
// pixel(tick, x, y) gives 0xAARRGGBB at canvas point (x, y) of that tick.
void ExpectTicksMatchPlayer(const std::vector<PlayerTick>& ticks, const FrameRectangle& canvas,
                            const std::function<uint32_t(size_t, int, int)>& pixel, uint32_t background) {
    for (size_t t = 0; t < ticks.size(); ++t) {
        size_t wrong = 0;
        for (int y = canvas.top; y < canvas.bottom; ++y) {
            for (int x = canvas.left; x < canvas.right; ++x) {
                const FrameRectangle& r = ticks[t].rect;
                const bool inside = x >= r.left && x < r.right && y >= r.top && y < r.bottom;
                const uint32_t expected = inside ? 0xFF000000u | kFrameColours[ticks[t].frame] : background;
                wrong += pixel(t, x - canvas.left, y - canvas.top) != expected;
            }
        }
        EXPECT_EQ(wrong, 0u) << "tick " << t;
    }
}

uint32_t RgbaAt(const std::vector<uint8_t>& rgba, size_t index, int channels) {
    const uint8_t* p = rgba.data() + index * static_cast<size_t>(channels);
    const uint32_t alpha = channels == 4 ? p[3] : 0xFF;
    return alpha << 24 | uint32_t{p[0]} << 16 | uint32_t{p[1]} << 8 | p[2];
}

TEST(ruxtool_Render, AWalkShowsEachTickAtThePlayersFrameRectangle) {
    TempDir dir;
    const CCharacterModel model = WalkingModel();
    ASSERT_TRUE(model.Save(dir.File("walker.rux")));
    const std::vector<PlayerTick> ticks = PlayerRun(model, 30, -7);
    ASSERT_GT(ticks.size(), 4u);
    const FrameRectangle canvas = Bounds(ticks);
    const int width = canvas.right - canvas.left, height = canvas.bottom - canvas.top;

    const CommandResult strip =
        RunTool({"render", dir.File("walker.rux"), "Walk", dir.File("walk.png"), "--to", "30,-7", "--background", "00ff80"});
    ASSERT_EQ(strip.exitCode, 0) << strip.err;
    EXPECT_EQ(strip.out, dir.File("walk.png") + ": " + std::to_string(ticks.size()) + " ticks, " +
                             std::to_string(width * static_cast<int>(ticks.size())) + " x " + std::to_string(height) +
                             " pixels\n");
    const auto png = PixelsOfPicture(CBryDIB(DecodePictureFile(dir.File("walk.png")).block));
    ASSERT_TRUE(png.has_value());
    ASSERT_EQ(png->width, width * static_cast<int>(ticks.size()));
    ExpectTicksMatchPlayer(
        ticks, canvas,
        [&](size_t t, int x, int y) {
            return RgbaAt(png->pixels, static_cast<size_t>(y) * png->width + t * width + x, png->channels);
        },
        0xFF00FF80);

    for (const bool transparent : {false, true}) {
        std::vector<std::string> args = {"render", dir.File("walker.rux"), "Walk", dir.File("walk.gif"), "--to", "30,-7"};
        if (transparent) args.push_back("--transparent");
        const CommandResult result = RunTool(args);
        ASSERT_EQ(result.exitCode, 0) << result.err;
        EXPECT_EQ(result.out, dir.File("walk.gif") + ": " + std::to_string(ticks.size()) + " ticks, " +
                                  std::to_string(width) + " x " + std::to_string(height) + " pixels\n");
        const std::vector<uint8_t> bytes = ReadBytes(dir.File("walk.gif"));
        const GifPicture gif = DecodeGif(bytes.data(), bytes.size(), GifLimits{8192, 1u << 30, 1000, false});
        ASSERT_EQ(gif.frames.size(), ticks.size()) << gif.error;
        EXPECT_EQ(gif.width, width);
        EXPECT_EQ(gif.height, height);
        for (const GifCanvasFrame& frame : gif.frames) EXPECT_EQ(frame.delayMs, 100u);
        ExpectTicksMatchPlayer(
            ticks, canvas,
            [&](size_t t, int x, int y) {
                return RgbaAt(gif.frames[t].rgba, static_cast<size_t>(y) * width + static_cast<size_t>(x), 4);
            },
            transparent ? 0u : 0xFFFFFFFFu);
    }
}

// A picture with opacity 0, 100, 128 and 255: a PNG strip keeps it (or blends it over the
// background), a GIF cuts it at half.
TEST(ruxtool_Render, SoftEdgesStayInPngStripsAndAreCutAtHalfInGifs) {
    TempDir dir;
    CCharacterModel model;
    const std::vector<uint8_t> rgba = {0xAF, 0xAF, 0xAF, 0,   200, 100, 50, 100,
                                       200,  100,  50,   128, 200, 100, 50, 255};
    CFrame frame;
    frame.image = CBryDIB(DibFromPixels(rgba.data(), 4, 1, 4));
    frame.anchor = PointF{0, 1};
    frame.displayTime = 100;
    CAnimation stand;
    stand.frames.push_back(frame);
    model.FileAnimation("Stand", stand);
    ASSERT_TRUE(model.Save(dir.File("soft.rux")));
    const auto near = [](uint32_t a, uint32_t b) {
        for (int shift = 0; shift < 32; shift += 8)
            if (std::abs(static_cast<int>((a >> shift) & 0xFF) - static_cast<int>((b >> shift) & 0xFF)) > 1) return false;
        return true;
    };

    ASSERT_EQ(RunTool({"render", dir.File("soft.rux"), "Stand", dir.File("soft.png"), "--transparent"}).exitCode, 0);
    const auto kept = PixelsOfPicture(CBryDIB(DecodePictureFile(dir.File("soft.png")).block));
    ASSERT_TRUE(kept && kept->channels == 4);
    EXPECT_EQ(RgbaAt(kept->pixels, 0, 4) >> 24, 0u);
    EXPECT_TRUE(near(RgbaAt(kept->pixels, 1, 4), 0x64C86432u)) << std::hex << RgbaAt(kept->pixels, 1, 4);
    EXPECT_EQ(RgbaAt(kept->pixels, 3, 4), 0xFFC86432u);

    ASSERT_EQ(RunTool({"render", dir.File("soft.rux"), "Stand", dir.File("over.png"), "--background", "000000"}).exitCode, 0);
    const auto blended = PixelsOfPicture(CBryDIB(DecodePictureFile(dir.File("over.png")).block));
    ASSERT_TRUE(blended.has_value());
    EXPECT_EQ(RgbaAt(blended->pixels, 0, blended->channels), 0xFF000000u);
    EXPECT_TRUE(near(RgbaAt(blended->pixels, 1, blended->channels), 0xFF4E2714u)) << "200, 100, 50 at 100/255";

    ASSERT_EQ(RunTool({"render", dir.File("soft.rux"), "Stand", dir.File("soft.gif"), "--transparent"}).exitCode, 0);
    const std::vector<uint8_t> bytes = ReadBytes(dir.File("soft.gif"));
    const GifPicture gif = DecodeGif(bytes.data(), bytes.size(), GifLimits{8192, 1u << 30, 1000, false});
    ASSERT_FALSE(gif.frames.empty()) << gif.error;
    const std::vector<uint8_t>& first = gif.frames[0].rgba;
    EXPECT_EQ(RgbaAt(first, 1, 4) >> 24, 0u) << "opacity 100 is cut";
    EXPECT_TRUE(near(RgbaAt(first, 2, 4), 0xFFC86432u)) << std::hex << RgbaAt(first, 2, 4);
    EXPECT_EQ(RgbaAt(first, 3, 4), 0xFFC86432u);
}

TEST(ruxtool_Render, MissingAnimationsFilesAndWalksAwayAreOneLineErrorsWithNothingWritten) {
    TempDir dir;
    ASSERT_TRUE(WalkingModel().Save(dir.File("walker.rux")));
    const std::string out = dir.File("out.png");
    const struct {
        std::vector<std::string> args;
        int exitCode;
        const char* why;
    } cases[] = {
        {{"render", dir.File("walker.rux"), "Run", out}, 1, "no animation \"Run\""},
        {{"render", dir.File("nope.rux"), "Walk", out}, 1, "cannot open"},
        {{"render", dir.File("walker.rux"), "Walk", out, "--to", "-40,0"}, 1, "moves away"},
        {{"render", dir.File("walker.rux"), "Walk", out, "--seconds", "0"}, 1, "--seconds"},
        {{"render", dir.File("walker.rux"), "Walk", dir.File("out.bmp")}, 2, ".gif or .png"},
    };
    for (const auto& c : cases) {
        const CommandResult result = RunTool(c.args);
        EXPECT_EQ(result.exitCode, c.exitCode) << result.err;
        EXPECT_TRUE(IsOneLine(result.err) && Contains(result.err, c.why)) << result.err;
        EXPECT_TRUE(result.out.empty());
    }
    size_t files = 0;
    for (const auto& entry : std::filesystem::directory_iterator(dir.Path())) files += entry.is_regular_file();
    EXPECT_EQ(files, 1u);
}

}  // namespace
