// One character's tick: idle and busy, beside a copy of one 160 x 200 x 32-bit surface.
#include <benchmark/benchmark.h>

#include <cstring>
#include <vector>

#include "CCharacterModel.h"
#include "CRequestEngine.h"
#include "PictureDecoder.h"
#include "RuntimeConstants.h"

namespace {

class NullHost : public IRequestHost {
public:
    uint32_t now = 0;
    uint32_t TickCount() override { return now; }
    void Notify(unsigned, int32_t) override {}
    void PlaySound(const std::string&) override {}
    void PresentBusy() override {}
    void PresentIdle() override {}
};

// A walking character of 96 x 120 pictures: an outlined ellipse on the key colour.
CCharacterModel WalkingCharacter() {
    const int width = 96, height = 120;
    std::vector<uint8_t> rgb(static_cast<size_t>(width * height * 3));
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const double dx = (x - width / 2.0) / (width / 2.0), dy = (y - height / 2.0) / (height / 2.0);
            const bool inside = dx * dx + dy * dy < 1.0;
            uint8_t* p = &rgb[static_cast<size_t>((y * width + x) * 3)];
            p[0] = inside ? static_cast<uint8_t>(120 + x) : 175;
            p[1] = inside ? static_cast<uint8_t>(60 + y) : 175;
            p[2] = inside ? 40 : 175;
        }
    CCharacterModel model;
    CAnimation walk;
    for (int i = 0; i < 8; ++i) {
        CFrame frame;
        frame.image = CBryDIB(DibFromPixels(rgb.data(), width, height, 3));
        frame.shift = {6, 0};
        frame.anchor = {48, 116};
        frame.displayTime = 100;
        walk.frames.push_back(frame);
    }
    model.FileAnimation("Walk", walk);
    return model;
}

// The floor: one copy of a surface's 128000 bytes.
void CopySurface(benchmark::State& state) {
    std::vector<uint32_t> from(kDrawingWidth * kDrawingHeight, 1), to(from.size());
    for (auto _ : state) {
        std::memcpy(to.data(), from.data(), from.size() * 4);
        benchmark::DoNotOptimize(to.data());
        benchmark::ClobberMemory();
    }
}

void IdleTick(benchmark::State& state) {
    const CCharacterModel model = WalkingCharacter();
    CAnimationPlayer player(&model);
    CCharacterScene scene;
    NullHost host;
    CRequestEngine engine(model, player, scene, host);
    for (auto _ : state) {
        engine.Tick();
        scene.RestoreSavedToBack();  // what the idle present does
        scene.RefreshFrameRect(player);
        benchmark::DoNotOptimize(scene.BuildRuns().data());
    }
}

// The argument is the DPI: 96, 144 and 192 are s = 1, 1.5 and 2.
void BusyTick(benchmark::State& state) {
    const CCharacterModel model = WalkingCharacter();
    CAnimationPlayer player(&model);
    CCharacterScene scene;
    const DisplayScale scale = DisplayScale::FromDpi(static_cast<uint32_t>(state.range(0)));
    player.SetScale(scale);
    scene.SetScale(scale);
    NullHost host;
    CRequestEngine engine(model, player, scene, host);
    int32_t id = 0;
    for (auto _ : state) {
        if (engine.QueuedCount() == 0) {
            Request walk;
            walk.id = ++id;
            walk.animationName = "Walk";
            walk.destinationX = 100000;  // far: the walk lasts thousands of ticks
            walk.isShift = true;
            engine.Append(walk);
        }
        host.now += kTickPeriodMs;
        engine.Tick();
        scene.SaveBack();  // what the busy present does
        benchmark::DoNotOptimize(scene.BuildRuns().data());
    }
    state.counters["scaled_picture_KiB"] = static_cast<double>(scene.Pictures().Bytes()) / 1024.0;
}

// Every frame of a sample character drawn once at the DPI in the argument: the time to make
// its scaled pictures and the memory they hold in the cache.
void SampleScaledPictures(benchmark::State& state, const char* path) {
    const CCharacterModel model(path);
    const DisplayScale scale = DisplayScale::FromDpi(static_cast<uint32_t>(state.range(0)));
    size_t bytes = 0, frames = 0;
    for (auto _ : state) {
        CCharacterScene scene;
        scene.SetScale(scale);
        CAnimationPlayer player(&model);
        player.SetScale(scale);
        frames = 0;
        for (const auto& [name, animation] : model.Animations()) {
            uint32_t tick = 0;  // the start of frame i
            for (size_t i = 0; i < animation.frames.size(); tick += animation.frames[i].displayTime, ++i, ++frames) {
                player.Prepare(name, 0, 0, true);
                player.Start(0);
                player.Step(tick);
                player.StopRunning();
                scene.DrawCurrentFrame(player);
            }
        }
        bytes = scene.Pictures().Bytes();
    }
    state.counters["frames"] = static_cast<double>(frames);
    state.counters["scaled_picture_KiB"] = static_cast<double>(bytes) / 1024.0;
}

}  // namespace

BENCHMARK_CAPTURE(SampleScaledPictures, Pip, VIMRO_SAMPLE_PIP)->Arg(144)->Arg(192);
BENCHMARK_CAPTURE(SampleScaledPictures, Ball, VIMRO_SAMPLE_BALL)->Arg(144)->Arg(192);
BENCHMARK(CopySurface);
BENCHMARK(IdleTick);
BENCHMARK(BusyTick)->Arg(96)->Arg(144)->Arg(192);
