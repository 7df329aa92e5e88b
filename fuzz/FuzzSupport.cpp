#include "FuzzSupport.h"

#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "CAnimationPlayer.h"
#include "CCharacterModel.h"
#include "CCharacterScene.h"
#include "CFileReader.h"

namespace fuzz_support {

namespace {

// Bounds one input's drawing work, so that a file of many frames cannot look like a hang.
constexpr size_t kMaxStepsPerAnimation = 16;
constexpr size_t kMaxStepsPerInput = 96;
// A picture block shorter than its header says is saved padded to that size (up to 2 GiB);
// round trips of models that would save beyond this are skipped to keep runs fast.
constexpr uint64_t kMaxRoundTripPictureBytes = uint64_t{8} << 20;

std::string SavePath() {
    const char* folder = std::getenv("TMPDIR");
    return std::string(folder != nullptr && *folder != '\0' ? folder : "/tmp") + "/vimro-fuzz-" +
           std::to_string(getpid()) + ".rux";
}

std::vector<uint8_t> ReadWhole(const std::string& path) {
    std::vector<uint8_t> bytes;
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (file == nullptr) Fail("the saved file cannot be opened");
    uint8_t piece[65536];
    size_t got = 0;
    while ((got = std::fread(piece, 1, sizeof piece, file)) > 0) bytes.insert(bytes.end(), piece, piece + got);
    std::fclose(file);
    return bytes;
}

// Scales other than 1 (the scaled drawing path: ScaledPictureCache, ScaleNearest), one for
// each animation by its name, so that every scale is reached across a corpus.
constexpr uint32_t kScaledDpis[] = {48, 120, 144, 192};

DisplayScale ScaleFor(const std::string& name) {
    return DisplayScale::FromDpi(kScaledDpis[name.size() % (sizeof kScaledDpis / sizeof kScaledDpis[0])]);
}

// Steps through one pass of the animation at the times its frames begin, at the scale; a
// scale change is made after the first step, as a move to another monitor would.
size_t PlayOnce(const CCharacterModel& model, const std::string& name, const CAnimation& animation, bool travel,
                DisplayScale scale, size_t budget) {
    CAnimationPlayer player(&model);
    CCharacterScene scene;
    player.SetPosition(PointF{80.0f, 100.0f});
    if (!player.Prepare(name, travel ? 400.0f : 80.0f, travel ? 30.0f : 100.0f, !travel)) return 0;
    player.Start(0);
    uint32_t tick = 0;
    size_t steps = 0;
    const size_t limit = std::min({budget, kMaxStepsPerAnimation, animation.frames.size() + 1});
    for (size_t i = 0; i < limit && player.IsRunning(); ++i, ++steps) {
        player.Step(tick);
        scene.FillBack();
        scene.DrawCurrentFrame(player);
        scene.BuildRuns();
        scene.SaveBack();
        if (i == 0) {
            player.SetScale(scale);
            scene.SetScale(scale);
            scene.BuildRuns();
        }
        const uint32_t shown = animation.frames[std::min(i, animation.frames.size() - 1)].displayTime;
        tick += std::max<uint32_t>(shown, 1);
    }
    return steps;
}

uint64_t SavedPictureBytes(const CCharacterModel& model) {
    uint64_t total = 0;
    for (const auto& entry : model.Animations()) {
        for (const CFrame& frame : entry.second.frames) total += frame.image.BlockSize();
    }
    return total;
}

}  // namespace

void Fail(const char* what) {
    std::fprintf(stderr, "fuzz check failed: %s\n", what);
    std::abort();
}

// The file of this process, removed when the process ends.
struct SaveFile {
    std::string path = SavePath();
    ~SaveFile() { std::remove(path.c_str()); }
};

std::vector<uint8_t> SavedBytes(const CCharacterModel& model) {
    static const SaveFile file;
    if (!model.Save(file.path)) Fail("a loaded model could not be saved");
    return ReadWhole(file.path);
}

void CheckSaveRoundTrip(const CCharacterModel& model) {
    if (SavedPictureBytes(model) > kMaxRoundTripPictureBytes) return;
    const std::vector<uint8_t> first = SavedBytes(model);
    CCharacterModel back;
    CFileReader reader = CFileReader::OverBytes(first.data(), first.size());
    if (!back.Load(reader)) Fail("a saved model does not load completely");
    if (reader.Remaining() != 0) Fail("a saved model has bytes after its last record");
    if (SavedBytes(back) != first) Fail("saving a reloaded model gives other bytes");
}

void DrawEveryFrame(const CCharacterModel& model) {
    size_t budget = kMaxStepsPerInput;
    for (const auto& entry : model.Animations()) {
        if (entry.second.frames.empty()) continue;
        for (const bool travel : {false, true}) {
            const DisplayScale scale = travel ? ScaleFor(entry.first) : DisplayScale{};
            budget -= std::min(budget, PlayOnce(model, entry.first, entry.second, travel, scale, budget));
            if (budget == 0) return;
        }
    }
}

}  // namespace fuzz_support
