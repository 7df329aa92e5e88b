// Pictures with opacity beside keyed ones in the same run: drawing a frame picture (the keyed
// copy against premultiplying), scaling it (nearest neighbour against area averaging), and a
// whole composing tick of a walking character of either kind.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cmath>
#include <vector>

#include "CAnimationPlayer.h"
#include "CCharacterScene.h"
#include "PictureDecoder.h"
#include "PictureScaling.h"
#include "PremultipliedScaling.h"
#include "RuntimeConstants.h"

namespace {

// A 96 x 120 ellipse, keyed (24-bit, key colour outside) or with opacity (32-bit, an
// antialiased edge two pixels wide and transparent outside).
CBryDIB Ellipse(bool opacity) {
    const int width = 96, height = 120, channels = opacity ? 4 : 3;
    std::vector<uint8_t> pixels(static_cast<size_t>(width * height * channels));
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const double dx = (x - width / 2.0) / (width / 2.0), dy = (y - height / 2.0) / (height / 2.0);
            const double inside = std::clamp((1.0 - std::sqrt(dx * dx + dy * dy)) * 24.0, 0.0, 1.0);
            uint8_t* p = &pixels[static_cast<size_t>((y * width + x) * channels)];
            const bool shown = opacity ? inside > 0 : inside >= 0.5;
            p[0] = shown ? static_cast<uint8_t>(120 + x) : 175;
            p[1] = shown ? static_cast<uint8_t>(60 + y) : 175;
            p[2] = shown ? 40 : 175;
            if (opacity) p[3] = static_cast<uint8_t>(inside * 255.0 + 0.5);
        }
    return CBryDIB(DibFromPixels(pixels.data(), width, height, channels));
}

// The argument: 0 keyed, 1 with opacity.
void DrawFramePicture(benchmark::State& state) {
    const bool opacity = state.range(0) != 0;
    const CBryDIB picture = Ellipse(opacity);
    Surface surface(kDrawingWidth, kDrawingHeight);
    for (auto _ : state) {
        if (opacity) {
            picture.DrawPremultiplied(surface, 0, 0, KEY_COLOUR);
        } else {
            picture.Draw(surface, 0, 0);
        }
        benchmark::DoNotOptimize(surface.Row(0));
    }
}

// Arguments: keyed or with opacity, and the DPI. The picture drawn first, then scaled whole.
void ScaleFramePicture(benchmark::State& state) {
    const bool opacity = state.range(0) != 0;
    const DisplayScale scale = DisplayScale::FromDpi(static_cast<uint32_t>(state.range(1)));
    Surface drawn(96, 120, opacity ? 0u : KEY_COLOUR);
    if (opacity) {
        Ellipse(true).DrawPremultiplied(drawn, 0, 0, KEY_COLOUR);
    } else {
        Ellipse(false).Draw(drawn, 0, 0);
    }
    for (auto _ : state) {
        const Surface scaled = opacity ? ScaleAreaAveragePart(drawn, 96, 120, scale, 1000, 1000)
                                       : ScaleNearestPart(drawn, 96, 120, scale, 1000, 1000);
        benchmark::DoNotOptimize(scaled.Row(0));
    }
}

// A composing tick (fill, draw the frame from the scaled pictures, save) of eight walking
// frames. Arguments: keyed or with opacity, and the DPI; the cache's memory as a counter.
void ComposeTick(benchmark::State& state) {
    const bool opacity = state.range(0) != 0;
    const DisplayScale scale = DisplayScale::FromDpi(static_cast<uint32_t>(state.range(1)));
    CCharacterModel model;
    CAnimation walk;
    for (int i = 0; i < 8; ++i) {
        CFrame frame;
        frame.image = Ellipse(opacity);
        frame.displayTime = 100;
        walk.frames.push_back(frame);
    }
    model.FileAnimation("Walk", walk);
    CAnimationPlayer player(&model);
    player.SetScale(scale);
    CCharacterScene scene;
    scene.UseOpacity(opacity);
    scene.SetScale(scale);
    uint32_t now = 0;
    player.Prepare("Walk", 0, 0, false);
    player.Start(now);
    for (auto _ : state) {
        now += kTickPeriodMs;
        player.Step(now);
        scene.FillBack();
        scene.DrawCurrentFrame(player);
        scene.SaveBack();
        benchmark::DoNotOptimize(scene.Saved().Row(0));
    }
    state.counters["scaled_picture_KiB"] = static_cast<double>(scene.Pictures().Bytes()) / 1024.0;
}

}  // namespace

BENCHMARK(DrawFramePicture)->Arg(0)->Arg(1);
BENCHMARK(ScaleFramePicture)->Args({0, 144})->Args({1, 144})->Args({0, 192})->Args({1, 192})->Args({0, 120})->Args({1, 120});
BENCHMARK(ComposeTick)->Args({0, 96})->Args({1, 96})->Args({0, 144})->Args({1, 144})->Args({0, 192})->Args({1, 192});
