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

void BusyTick(benchmark::State& state) {
    const CCharacterModel model = WalkingCharacter();
    CAnimationPlayer player(&model);
    CCharacterScene scene;
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
}

}  // namespace

BENCHMARK(CopySurface);
BENCHMARK(IdleTick);
BENCHMARK(BusyTick);
