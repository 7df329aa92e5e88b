#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <set>

#include "BallCharacter.h"
#include "CCharacterModel.h"
#include "ListedSampleFiles.h"
#include "PipCharacter.h"
#include "SampleSet.h"
#include "SampleSounds.h"
#include "TestSupport.h"

namespace fs = std::filesystem;

namespace {

constexpr int kMaxWidth = 160;
constexpr int kMaxHeight = 200;

CCharacterModel LoadSample(const std::string& name) {
    EXPECT_FALSE(SampleDir().empty()) << "VIMRO_SAMPLES is not set";
    return CCharacterModel((fs::path(SampleDir()) / (name + ".rux")).string());
}

std::set<std::string> AnimationNames(const CCharacterModel& model) {
    std::set<std::string> names;
    for (const auto& entry : model.Animations()) names.insert(entry.first);
    return names;
}

RgbaPixels PixelsOf(const CFrame& frame) {
    std::optional<RgbaPixels> pixels = PixelsOfPicture(frame.image);
    EXPECT_TRUE(pixels.has_value()) << "unreadable picture";
    return pixels.value_or(RgbaPixels{});
}

const CAnimation& Animation(const CCharacterModel& model, const std::string& name) {
    static const CAnimation kNone;
    const CAnimation* animation = model.FindAnimation(name);
    EXPECT_NE(animation, nullptr) << name;
    return animation != nullptr ? *animation : kNone;
}

class samples_Files : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        s_pip = LoadSample("Pip");
        s_ball = LoadSample("Ball");
    }
    static std::vector<const CCharacterModel*> Both() { return {&s_pip, &s_ball}; }
    static CCharacterModel s_pip, s_ball;
};
CCharacterModel samples_Files::s_pip, samples_Files::s_ball;

}  // namespace

TEST_F(samples_Files, CharactersLoadWithTheirAnimations) {
    ASSERT_FALSE(s_pip.IsFailed());
    ASSERT_FALSE(s_ball.IsFailed());
    EXPECT_EQ(s_pip.CharacterName(), "Pip");
    EXPECT_EQ(s_ball.CharacterName(), "Ball");
    EXPECT_EQ(AnimationNames(s_pip), (std::set<std::string>{"IdleLook", "IdleStretch", "Kick", "Sleep", "Stand", "Walk",
                                                             "WalkLeft", "Wave"}));
    EXPECT_EQ(AnimationNames(s_ball), (std::set<std::string>{"Bounce", "Stand", "Walk"}));
    for (const CCharacterModel* model : Both()) {
        for (const auto& [name, animation] : model->Animations()) EXPECT_GE(animation.frames.size(), 3u) << name;
    }
}

TEST_F(samples_Files, FilesAreWhatTheCodeDrawsNow) {
    // A stale file (the build not rerunning make_samples) or a lossy save shows up here.
    EXPECT_TRUE(s_pip == BuildPip());
    EXPECT_TRUE(s_ball == BuildBall());
}

TEST_F(samples_Files, TheBuildListsExactlyTheFilesWritten) {
    std::set<std::string> written;
    for (const CCharacterModel& character : SampleCharacters()) written.insert(character.CharacterName() + ".rux");
    for (const NamedSound& sound : SampleSounds()) written.insert("sounds/" + sound.fileName);
    const std::set<std::string> listed(kListedSampleFiles.begin(), kListedSampleFiles.end());
    EXPECT_EQ(listed, written);
    for (const std::string& name : listed) EXPECT_TRUE(fs::is_regular_file(fs::path(SampleDir()) / name)) << name;
}

TEST_F(samples_Files, OnlyWalksMoveAndThenOnlySideways) {
    for (const CCharacterModel* model : Both()) {
        for (const auto& [name, animation] : model->Animations()) {
            for (const CFrame& frame : animation.frames) {
                SCOPED_TRACE(model->CharacterName() + " " + name);
                EXPECT_EQ(frame.shift.y, 0.0f);
                if (name == "Walk") {
                    EXPECT_GT(frame.shift.x, 3.0f);
                    EXPECT_LT(frame.shift.x, 12.0f);
                } else if (name == "WalkLeft") {
                    EXPECT_LT(frame.shift.x, -3.0f);
                    EXPECT_GT(frame.shift.x, -12.0f);
                } else {
                    EXPECT_EQ(frame.shift.x, 0.0f);
                }
            }
        }
    }
}

TEST_F(samples_Files, FramesAreTimedAndAnimated) {
    for (const CCharacterModel* model : Both()) {
        for (const auto& [name, animation] : model->Animations()) {
            SCOPED_TRACE(model->CharacterName() + " " + name);
            for (size_t i = 0; i < animation.frames.size(); ++i) {
                EXPECT_GE(animation.frames[i].displayTime, 50u);
                EXPECT_LE(animation.frames[i].displayTime, 1000u);
                if (i > 0) {
                    EXPECT_FALSE(animation.frames[i].image == animation.frames[i - 1].image) << "frame " << i;
                }
            }
        }
    }
}

TEST_F(samples_Files, PicturesAreDrawnCharactersOnTheKeyColour) {
    for (const CCharacterModel* model : Both()) {
        for (const auto& [name, animation] : model->Animations()) {
            for (size_t i = 0; i < animation.frames.size(); ++i) {
                SCOPED_TRACE(model->CharacterName() + " " + name + " frame " + std::to_string(i));
                const CFrame& frame = animation.frames[i];
                // Ball's pictures carry an opacity per pixel, Pip's are keyed only.
                EXPECT_EQ(frame.image.BitCount(), model == &s_ball ? 32 : 24);
                EXPECT_TRUE(frame.image.MatchesHeader());
                const RgbaPixels pixels = PixelsOf(frame);
                ASSERT_GT(pixels.width, 0);
                EXPECT_LE(pixels.width, kMaxWidth);
                EXPECT_LE(pixels.height, kMaxHeight);
                EXPECT_TRUE(BorderIsKey(pixels));
                EXPECT_GT(PaintedPixelCount(pixels), pixels.width * pixels.height / 8);
                const auto holes = EnclosedKeyPixels(pixels);
                EXPECT_TRUE(holes.empty()) << holes.size() << " enclosed key pixels, the first at "
                                           << holes.front().first << "," << holes.front().second;
            }
        }
    }
}

TEST_F(samples_Files, BallHasSoftEdgesAndShadowOverTheKeyColour) {
    for (const auto& [name, animation] : s_ball.Animations()) {
        for (size_t i = 0; i < animation.frames.size(); ++i) {
            SCOPED_TRACE(name + " frame " + std::to_string(i));
            const CFrame& frame = animation.frames[i];
            const RgbaPixels pixels = PixelsOf(frame);
            ASSERT_EQ(pixels.channels, 4);
            int soft = 0, opaque = 0, softOnGround = 0;
            for (int y = 0; y < pixels.height; ++y) {
                for (int x = 0; x < pixels.width; ++x) {
                    const uint8_t opacity = pixels.pixels[(static_cast<size_t>(y) * pixels.width + x) * 4 + 3];
                    // Opacity 0 exactly where a reader ignoring opacity sees the key colour.
                    EXPECT_EQ(opacity == 0, IsKeyPixel(pixels, x, y)) << x << "," << y;
                    opaque += opacity == 255;
                    soft += opacity != 0 && opacity != 255;
                    softOnGround += opacity != 0 && opacity != 255 && std::abs(y + 0.5f - frame.anchor.y) < 1.0f;
                }
            }
            // A rim of soft pixels around a solid ball, and the shadow's on the ground line.
            EXPECT_GT(opaque, pixels.width * pixels.height / 8);
            EXPECT_GT(soft, 60);
            EXPECT_GE(softOnGround, 8);
        }
    }
}

TEST_F(samples_Files, AnchorsStandOnTheGround) {
    for (const CCharacterModel* model : Both()) {
        for (const std::string name : {"Stand", "Walk"}) {
            for (const CFrame& frame : Animation(*model, name).frames) {
                SCOPED_TRACE(model->CharacterName() + " " + name);
                const RgbaPixels pixels = PixelsOf(frame);
                // The lowest painted row touches the reference point's height.
                EXPECT_NEAR(LowestPaintedRow(pixels), frame.anchor.y, 2.0f);
                EXPECT_GT(frame.anchor.x, pixels.width * 0.3f);
                EXPECT_LT(frame.anchor.x, pixels.width * 0.7f);
            }
        }
    }
}

TEST_F(samples_Files, BounceLeavesTheGroundAndComesBack) {
    const CAnimation& bounce = Animation(s_ball, "Bounce");
    ASSERT_FALSE(bounce.frames.empty());
    int highest = 0;
    for (const CFrame& frame : bounce.frames) {
        const RgbaPixels pixels = PixelsOf(frame);
        highest = std::max(highest, static_cast<int>(frame.anchor.y) - LowestOpaqueRow(pixels));
    }
    EXPECT_GT(highest, 20);
    EXPECT_NEAR(LowestOpaqueRow(PixelsOf(bounce.frames.back())), bounce.frames.back().anchor.y, 2.0f);
}

TEST_F(samples_Files, SoundsNamedByFramesExistAndAllAreUsed) {
    std::set<std::string> named;
    for (const CCharacterModel* model : Both()) {
        for (const auto& [name, animation] : model->Animations()) {
            for (const CFrame& frame : animation.frames) {
                if (frame.sound.empty()) continue;
                EXPECT_EQ(frame.sound.find_first_of("/\\"), std::string::npos) << frame.sound;
                named.insert(frame.sound);
            }
        }
    }
    std::set<std::string> present;
    for (const auto& entry : fs::directory_iterator(fs::path(SampleDir()) / "sounds")) {
        present.insert(entry.path().filename().string());
    }
    EXPECT_EQ(named, present);
    EXPECT_EQ(named.count("bounce.wav"), 1u);
    EXPECT_EQ(named.count("step.wav"), 1u);
}

TEST_F(samples_Files, KickEndsWithTheBallInFrontOfThePaw) {
    const CAnimation& kick = Animation(s_pip, "Kick");
    ASSERT_FALSE(kick.frames.empty());
    for (size_t i = 0; i + 1 < kick.frames.size(); ++i) EXPECT_TRUE(kick.frames[i].origins.empty()) << i;
    const CFrame& last = kick.frames.back();
    const PointF* origin = last.FindOrigin("ball");
    ASSERT_NE(origin, nullptr);
    EXPECT_EQ(origin->y, last.anchor.y);  // the ball rests on Pip's ground line

    // Put the ball's resting picture with its reference point on the origin: it must touch Pip, not cover him.
    const RgbaPixels pip = PixelsOf(last);
    const CFrame& ballFrame = Animation(s_ball, "Stand").frames.at(0);
    const RgbaPixels ball = PixelsOf(ballFrame);
    const int left = static_cast<int>(origin->x - ballFrame.anchor.x);
    const int top = static_cast<int>(origin->y - ballFrame.anchor.y);
    int overlap = 0, closest = 1000;
    for (int y = 0; y < ball.height; ++y) {
        for (int x = 0; x < ball.width; ++x) {
            const int px = left + x, py = top + y;
            if (IsKeyPixel(ball, x, y) || py < 0 || py >= pip.height) continue;
            if (px >= 0 && px < pip.width && !IsKeyPixel(pip, px, py)) ++overlap;
            for (int d = 1; d <= 4 && px - d >= 0; ++d) {
                if (px - d < pip.width && !IsKeyPixel(pip, px - d, py)) closest = std::min(closest, d);
            }
        }
    }
    EXPECT_EQ(overlap, 0);
    EXPECT_LE(closest, 4);
}

TEST_F(samples_Files, WavFilesAreShortMonoPcm) {
    for (const NamedSound& sound : SampleSounds()) {
        SCOPED_TRACE(sound.fileName);
        const fs::path path = fs::path(SampleDir()) / "sounds" / sound.fileName;
        const std::vector<uint8_t> bytes = ReadFileBytes(path.string());
        const std::optional<WavInfo> wav = ParseWav(bytes);
        ASSERT_TRUE(wav.has_value());
        EXPECT_EQ(wav->riffSize + 8, bytes.size());
        EXPECT_EQ(bytes.size(), 44 + 2 * wav->samples.size());
        EXPECT_EQ(wav->format, 1);
        EXPECT_EQ(wav->channels, 1);
        EXPECT_EQ(wav->bitsPerSample, 16);
        EXPECT_EQ(wav->sampleRate, 22050u);
        EXPECT_GT(wav->samples.size(), 22050u / 50);
        EXPECT_LT(wav->samples.size(), 22050u);
        const auto loudest = std::max_element(wav->samples.begin(), wav->samples.end(),
                                              [](int16_t a, int16_t b) { return std::abs(a) < std::abs(b); });
        EXPECT_GT(std::abs(*loudest), 8000);
    }
}
