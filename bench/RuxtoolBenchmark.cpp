// ruxtool render of the sample walk beside the player's own steps of the same walk, and
// ruxtool import of a 100-frame GIF.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "CAnimationPlayer.h"
#include "CCharacterModel.h"
#include "CommandLine.h"
#include "FileBytes.h"
#include "GifFilm.h"
#include "TickPlayback.h"

namespace {

const char* const kPip = VIMRO_SAMPLE_PIP;
constexpr int32_t kWalkTo = 120;  // as in docs/images/samples: 21 ticks

std::string TempPath(const std::string& name) { return (std::filesystem::temp_directory_path() / name).string(); }

int RunQuiet(const std::vector<std::string>& args) {
    std::ostringstream out, err;
    return RunCommandLine(args, out, err);
}

// The floor: the walk's ticks with the bare player, as the engine steps it, without composing.
void PlayerStepsOfWalk(benchmark::State& state) {
    const CCharacterModel model(kPip);
    int64_t ticks = 0;
    for (auto _ : state) {
        CAnimationPlayer player(&model);
        player.Prepare("Walk", kWalkTo, 0, false);
        player.Start(0);
        for (uint32_t tick = 0; tick == 0 || player.IsRunning(); ++tick, ++ticks) {
            player.Step(tick * 100);
            benchmark::DoNotOptimize(player.CurrentFrameRect());
        }
    }
    state.counters["ticks"] = benchmark::Counter(static_cast<double>(ticks), benchmark::Counter::kAvgIterations);
}

// The same walk through the request tick with composition (what render plays twice).
void ComposedTicksOfWalk(benchmark::State& state) {
    const CCharacterModel model(kPip);
    const PlaybackRequest request{"Walk", std::make_pair(kWalkTo, 0), 100};
    for (auto _ : state) {
        benchmark::DoNotOptimize(PlayTicks(model, request, [](const Surface&, const ScreenRect&) {}));
    }
}

// The whole command: load Pip.rux, play twice, encode the GIF, write it.
void RenderWalkGif(benchmark::State& state) {
    const std::string out = TempPath("vimro-bench-walk.gif");
    for (auto _ : state) RunQuiet({"render", kPip, "Walk", out, "--to", std::to_string(kWalkTo) + ",0"});
    std::remove(out.c_str());
}

void RenderWalkPng(benchmark::State& state) {
    const std::string out = TempPath("vimro-bench-walk.png");
    for (auto _ : state) RunQuiet({"render", kPip, "Walk", out, "--to", std::to_string(kWalkTo) + ",0"});
    std::remove(out.c_str());
}

// A 100-frame GIF of Pip walking (296 x 120 is too small for 100 ticks: the walk goes far).
void ImportHundredFrameGif(benchmark::State& state) {
    const std::string gif = TempPath("vimro-bench-100.gif");
    const std::string rux = TempPath("vimro-bench-100.rux");
    if (RunQuiet({"render", kPip, "Walk", gif, "--to", "100000,0", "--seconds", "10"}) != 0) {
        state.SkipWithError("render of the 100-frame GIF failed");
        return;
    }
    for (auto _ : state) RunQuiet({"import", rux, "Walk", gif, "--replace"});
    state.counters["bytes"] = static_cast<double>(std::filesystem::file_size(gif));
    std::remove(gif.c_str());
    std::remove(rux.c_str());
}

}  // namespace

BENCHMARK(PlayerStepsOfWalk);
BENCHMARK(ComposedTicksOfWalk)->Unit(benchmark::kMillisecond);
BENCHMARK(RenderWalkGif)->Unit(benchmark::kMillisecond);
BENCHMARK(RenderWalkPng)->Unit(benchmark::kMillisecond);
BENCHMARK(ImportHundredFrameGif)->Unit(benchmark::kMillisecond);
