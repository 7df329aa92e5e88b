#include <gtest/gtest.h>

#include <cmath>

#include "SampleSounds.h"
#include "Synth.h"
#include "TestSupport.h"
#include "WavWriter.h"

namespace {

int SignChanges(const Samples& samples) {
    int changes = 0;
    for (size_t i = 1; i < samples.size(); ++i) changes += (samples[i - 1] < 0) != (samples[i] < 0);
    return changes;
}

float Peak(const Samples& samples, size_t from, size_t to) {
    float peak = 0;
    for (size_t i = from; i < to; ++i) peak = std::max(peak, std::fabs(samples[i]));
    return peak;
}

}  // namespace

TEST(samples_Synth, ToneHasItsPitchAndLength) {
    const Samples tone = Tone(0.5f, [](float) { return 441.0f; }, {1.0f});
    EXPECT_EQ(tone.size(), static_cast<size_t>(kSampleRate / 2));
    EXPECT_NEAR(SignChanges(tone), 441, 2);  // two sign changes a cycle over half a second
    EXPECT_NEAR(Peak(tone, 0, tone.size()), 1.0f, 0.01f);
}

TEST(samples_Synth, SweepRisesInPitch) {
    const Samples sweep = Tone(1.0f, [](float t) { return 200.0f + 800.0f * t; }, {1.0f});
    const size_t quarter = sweep.size() / 4;
    const Samples first(sweep.begin(), sweep.begin() + static_cast<std::ptrdiff_t>(quarter));
    const Samples last(sweep.end() - static_cast<std::ptrdiff_t>(quarter), sweep.end());
    EXPECT_GT(SignChanges(last), 3 * SignChanges(first));
}

TEST(samples_Synth, NoiseIsRepeatableAndSeedDependent) {
    EXPECT_EQ(Noise(0.01f, 5), Noise(0.01f, 5));
    EXPECT_NE(Noise(0.01f, 5), Noise(0.01f, 6));
    const Samples noise = Noise(0.2f, 9);
    for (const float s : noise) ASSERT_TRUE(s >= -1.0f && s <= 1.0f);
    EXPECT_GT(Peak(noise, 0, noise.size()), 0.9f);
}

namespace {

// Energy of the sample-to-sample steps against the signal's energy: 2 for white noise, small when smooth.
float Roughness(const Samples& samples) {
    double steps = 0, energy = 0;
    for (size_t i = 1; i < samples.size(); ++i) {
        steps += (samples[i] - samples[i - 1]) * (samples[i] - samples[i - 1]);
        energy += samples[i] * samples[i];
    }
    return static_cast<float>(steps / energy);
}

}  // namespace

TEST(samples_Synth, LowPassTakesTheEdgeOffNoise) {
    Samples noise = Noise(0.2f, 3);
    EXPECT_NEAR(Roughness(noise), 2.0f, 0.2f);
    LowPass(noise, 500.0f);
    EXPECT_LT(Roughness(noise), 0.3f);
    const Samples tone = Tone(0.2f, [](float) { return 100.0f; }, {1.0f});
    Samples filtered = tone;
    LowPass(filtered, 2000.0f);
    EXPECT_GT(Peak(filtered, filtered.size() / 2, filtered.size()), 0.95f);  // low pitches pass
}

TEST(samples_Synth, EnvelopeStartsAndEndsSilent) {
    Samples tone = Tone(0.3f, [](float) { return 300.0f; }, {1.0f});
    ApplyEnvelope(tone, 0.01f, 3.0f, 0.02f);
    EXPECT_LT(Peak(tone, 0, 20), 0.1f);
    EXPECT_LT(Peak(tone, tone.size() - 20, tone.size()), 0.05f);
    EXPECT_GT(Peak(tone, tone.size() / 4, tone.size() / 2), 0.3f);
}

TEST(samples_Synth, MixAndNormalise) {
    Samples a(10, 0.1f);
    MixInto(a, Samples(20, 0.2f), 2.0f);
    ASSERT_EQ(a.size(), 20u);
    EXPECT_FLOAT_EQ(a[0], 0.5f);
    EXPECT_FLOAT_EQ(a[15], 0.4f);
    Normalise(a, 0.8f);
    EXPECT_FLOAT_EQ(a[0], 0.8f);
    EXPECT_FLOAT_EQ(a[15], 0.64f);
}

TEST(samples_WavWriter, HeaderDescribesMono16BitPcm) {
    const std::optional<WavInfo> wav = ParseWav(EncodeWav(Samples(100, 0.5f), kSampleRate));
    ASSERT_TRUE(wav);
    EXPECT_EQ(wav->format, 1);
    EXPECT_EQ(wav->channels, 1);
    EXPECT_EQ(wav->bitsPerSample, 16);
    EXPECT_EQ(wav->sampleRate, 22050u);
    EXPECT_EQ(wav->byteRate, 44100u);
    EXPECT_EQ(wav->blockAlign, 2);
    EXPECT_EQ(wav->riffSize, 36u + 200u);
    ASSERT_EQ(wav->samples.size(), 100u);
    EXPECT_EQ(wav->samples[0], 16384);  // 0.5 * 32767, rounded
}

TEST(samples_WavWriter, SamplesBeyondFullScaleAreClipped) {
    const std::optional<WavInfo> wav = ParseWav(EncodeWav({1.7f, -3.0f, -1.0f, 0.0f}, kSampleRate));
    ASSERT_TRUE(wav);
    EXPECT_EQ(wav->samples, (std::vector<int16_t>{32767, -32767, -32767, 0}));
}

TEST(samples_Sounds, EachSoundIsShortAudibleAndClickFree) {
    const std::vector<NamedSound> sounds = SampleSounds();
    ASSERT_GE(sounds.size(), 4u);
    for (const NamedSound& sound : sounds) {
        SCOPED_TRACE(sound.fileName);
        const Samples& s = sound.samples;
        ASSERT_GT(s.size(), SampleCount(0.05f));
        EXPECT_LT(s.size(), SampleCount(0.6f));
        EXPECT_GT(Peak(s, 0, s.size()), 0.3f);
        EXPECT_LE(Peak(s, 0, s.size()), 1.0f);
        EXPECT_LT(std::fabs(s.front()), 0.05f);
        EXPECT_LT(std::fabs(s.back()), 0.02f);
    }
}
