// One picture block on any bytes: its stored size, whether it matches its header, drawing
// it into a character's drawing area (also shifted, so that clipping is reached), keyed and
// premultiplied, and through the scaled path, the region runs of the result and the pixels
// ruxtool exports.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "CAnimationPlayer.h"
#include "CBryDIB.h"
#include "CCharacterModel.h"
#include "CCharacterScene.h"
#include "DibHeader.h"
#include "FuzzSupport.h"
#include "PictureEncoder.h"
#include "RegionRuns.h"
#include "RuntimeConstants.h"
#include "Surface.h"

namespace {

// No colour channel of a premultiplied pixel exceeds its opacity.
void ExpectPremultiplied(const Surface& surface) {
    for (const uint32_t pixel : surface.Pixels()) {
        const uint32_t a = pixel >> 24;
        if (((pixel >> 16) & 0xFF) > a || ((pixel >> 8) & 0xFF) > a || (pixel & 0xFF) > a)
            fuzz_support::Fail("a premultiplied colour above its opacity");
    }
}

// The first input byte picks the drawing offset; the rest is the block.
void DrawAndRun(const CBryDIB& image, uint8_t placement) {
    Surface surface(kDrawingWidth, kDrawingHeight, KEY_COLOUR);
    const int x = static_cast<int>(placement & 0x0F) * 16 - 120;
    const int y = static_cast<int>(placement >> 4) * 16 - 120;
    image.Draw(surface, x, y);
    std::vector<RunRect> runs;
    BuildRegionRuns(surface, x, y, KEY_COLOUR, runs);
    for (const RunRect& run : runs) {
        if (run.left >= run.right || run.bottom != run.top + 1) fuzz_support::Fail("an empty or tall run");
    }
    Surface premultiplied(kDrawingWidth, kDrawingHeight, 0);
    image.DrawPremultiplied(premultiplied, x, y, KEY_COLOUR);
    ExpectPremultiplied(premultiplied);
    BuildOpacityRuns(premultiplied, x, y, runs);
}

// The block as a frame's picture on the scaled path (ScaledPictureCache, ScaleNearestPart, or
// area averaging when premultiplied, for pictures with opacity and some others) at
// a scale the placement byte picks: whatever its header claims, nothing may be sized from the
// claim, and the picture stays inside the scaled drawing area.
void DrawScaled(const CBryDIB& image, uint8_t placement) {
    static constexpr uint32_t kDpis[] = {48, 120, 144, 192};  // shrinking, fractional and whole scales
    const DisplayScale scale = DisplayScale::FromDpi(kDpis[placement % (sizeof kDpis / sizeof kDpis[0])]);
    CCharacterModel model;
    CFrame frame;
    frame.image = image;
    CAnimation animation;
    animation.frames.push_back(frame);
    model.FileAnimation("A", animation);
    CAnimationPlayer player(&model);
    player.SetScale(scale);
    if (!player.Prepare("A", 0, 0, true)) return;
    CCharacterScene scene;
    const bool opacity = image.HasOpacity() || (placement & 0x20) != 0;
    scene.UseOpacity(opacity);
    scene.SetScale(scale);
    scene.FillBack();
    scene.DrawCurrentFrame(player);
    if (scene.Pictures().Bytes() > static_cast<size_t>(scene.Back().Width()) * scene.Back().Height() * 4)
        fuzz_support::Fail("a scaled picture larger than the drawing area");
    if (!image.IsDrawable() && scene.Pictures().Count() != 0) fuzz_support::Fail("a picture that is not drawable was scaled");
    if (opacity) ExpectPremultiplied(scene.Back());
    scene.SaveBack();
    scene.BuildRuns();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0) return 0;
    const CBryDIB image(std::vector<uint8_t>(data + 1, data + size));
    const uint32_t stored = image.BlockSize();
    const bool matches = image.MatchesHeader();
    if (matches && !image.IsEmpty() && stored != image.Block().size()) fuzz_support::Fail("a matching block changes size");
    DrawAndRun(image, data[0]);
    DrawScaled(image, data[0]);
    const auto pixels = PixelsOfPicture(image);
    if (image.IsDrawable() != pixels.has_value()) fuzz_support::Fail("pixels exactly when drawable");
    if (matches && !image.IsEmpty() && !image.IsDrawable() && image.width() <= kMaxPictureSide &&
        image.RowCount() <= kMaxPictureSide)
        fuzz_support::Fail("a matching block within the bound is not drawable");
    if (pixels && pixels->pixels.size() != static_cast<size_t>(pixels->width) * static_cast<size_t>(pixels->height) *
                                               static_cast<size_t>(pixels->channels))
        fuzz_support::Fail("the exported pixels do not fill their picture");
    image.Palette();
    return 0;
}
