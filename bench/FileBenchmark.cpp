// Load and Save of a character with large pictures, beside a plain read of the same file.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "CCharacterModel.h"
#include "PictureDecoder.h"

namespace {

// 3 animations x 12 frames of 160 x 200 32-bit pictures: about 4.6 MB.
const std::string& LargeCharacterPath() {
    static const std::string path = [] {
        CCharacterModel model;
        model.SetCharacterName("Large");
        std::vector<uint8_t> pixels(160 * 200 * 4);
        for (size_t i = 0; i < pixels.size(); ++i) pixels[i] = static_cast<uint8_t>(i * 31 / 7);
        for (const char* name : {"Stand", "Walk", "Wave"}) {
            CAnimation animation;
            for (int i = 0; i < 12; ++i) {
                CFrame frame;
                frame.image = CBryDIB(DibFromPixels(pixels.data(), 160, 200, 4));
                frame.displayTime = 100;
                frame.shift = {3.0f, 0.0f};
                frame.SetOrigin("ball", {10.0f, 20.0f});
                frame.sound = "step.wav";
                animation.frames.push_back(frame);
            }
            model.FileAnimation(name, animation);
        }
        const std::string file = (std::filesystem::temp_directory_path() / "vimro-bench-large.rux").string();
        if (!model.Save(file)) std::abort();
        return file;
    }();
    return path;
}

int64_t FileBytes() { return static_cast<int64_t>(std::filesystem::file_size(LargeCharacterPath())); }

// The floor: the same bytes read with fread in pieces of 32768 into one buffer.
void PlainRead(benchmark::State& state) {
    std::vector<uint8_t> buffer(static_cast<size_t>(FileBytes()));
    for (auto _ : state) {
        std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(std::fopen(LargeCharacterPath().c_str(), "rb"), std::fclose);
        size_t done = 0;
        size_t got = 0;
        while ((got = std::fread(buffer.data() + done, 1, std::min<size_t>(32768, buffer.size() - done), file.get())) > 0)
            done += got;
        benchmark::DoNotOptimize(buffer.data());
    }
    state.SetBytesProcessed(state.iterations() * FileBytes());
}

void Load(benchmark::State& state) {
    for (auto _ : state) {
        CCharacterModel model(LargeCharacterPath());
        if (model.IsFailed()) state.SkipWithError("load failed");
        benchmark::DoNotOptimize(model);
    }
    state.SetBytesProcessed(state.iterations() * FileBytes());
}

void Save(benchmark::State& state) {
    const CCharacterModel model(LargeCharacterPath());
    const std::string out = LargeCharacterPath() + ".out";
    for (auto _ : state) {
        if (!model.Save(out)) state.SkipWithError("save failed");
    }
    state.SetBytesProcessed(state.iterations() * FileBytes());
}

void CopyModel(benchmark::State& state) {
    const CCharacterModel model(LargeCharacterPath());
    for (auto _ : state) {
        CCharacterModel copy;
        copy = model;
        benchmark::DoNotOptimize(copy);
    }
    state.SetBytesProcessed(state.iterations() * FileBytes());
}

}  // namespace

BENCHMARK(PlainRead)->Unit(benchmark::kMillisecond);
BENCHMARK(Load)->Unit(benchmark::kMillisecond);
BENCHMARK(Save)->Unit(benchmark::kMillisecond);
BENCHMARK(CopyModel)->Unit(benchmark::kMillisecond);
