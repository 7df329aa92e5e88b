#include "Synth.h"

#include <algorithm>
#include <cmath>

namespace {
constexpr double kTwoPi = 6.283185307179586;
}

size_t SampleCount(float seconds) { return static_cast<size_t>(std::lround(seconds * kSampleRate)); }

Samples Tone(float seconds, const std::function<float(float)>& frequency, const std::vector<float>& harmonics) {
    Samples samples(SampleCount(seconds));
    double phase = 0.0;  // accumulated so that a changing pitch stays continuous
    for (size_t i = 0; i < samples.size(); ++i) {
        const float t = static_cast<float>(i) / kSampleRate;
        float value = 0.0f;
        for (size_t k = 0; k < harmonics.size(); ++k) {
            value += harmonics[k] * static_cast<float>(std::sin(phase * static_cast<double>(k + 1)));
        }
        samples[i] = value;
        phase += kTwoPi * frequency(t) / kSampleRate;
    }
    return samples;
}

Samples Noise(float seconds, uint32_t seed) {
    Samples samples(SampleCount(seconds));
    uint32_t state = seed != 0 ? seed : 1u;
    for (float& sample : samples) {
        // xorshift32: exact integer steps, unlike the library's distributions.
        state ^= state << 13;
        state ^= state >> 17;
        state ^= state << 5;
        sample = static_cast<float>(state) / 2147483648.0f - 1.0f;
    }
    return samples;
}

void LowPass(Samples& samples, float cutoffHz) {
    const float alpha = 1.0f - std::exp(static_cast<float>(-kTwoPi) * cutoffHz / kSampleRate);
    float state = 0.0f;
    for (float& sample : samples) {
        state += alpha * (sample - state);
        sample = state;
    }
}

void ApplyEnvelope(Samples& samples, float attack, float decayPerSecond, float release) {
    const float duration = static_cast<float>(samples.size()) / kSampleRate;
    for (size_t i = 0; i < samples.size(); ++i) {
        const float t = static_cast<float>(i) / kSampleRate;
        const float rise = attack > 0.0f ? std::min(1.0f, t / attack) : 1.0f;
        const float fall = release > 0.0f ? std::clamp((duration - t) / release, 0.0f, 1.0f) : 1.0f;
        samples[i] *= rise * fall * std::exp(-decayPerSecond * t);
    }
}

void MixInto(Samples& a, const Samples& b, float gain) {
    if (a.size() < b.size()) a.resize(b.size(), 0.0f);
    for (size_t i = 0; i < b.size(); ++i) a[i] += gain * b[i];
}

void Normalise(Samples& samples, float peak) {
    float loudest = 0.0f;
    for (const float sample : samples) loudest = std::max(loudest, std::fabs(sample));
    if (loudest <= 0.0f) return;
    for (float& sample : samples) sample *= peak / loudest;
}
