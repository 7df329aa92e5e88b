#pragma once
// Building blocks for short synthesised sounds: tones with sweeping pitch, noise, envelopes.
// Samples are floats in -1..1 at kSampleRate.
#include <cstdint>
#include <functional>
#include <vector>

constexpr int kSampleRate = 22050;
using Samples = std::vector<float>;

size_t SampleCount(float seconds);

// A tone whose pitch follows frequency(t) (t in seconds); harmonics[k] weights overtone k (0: the fundamental).
Samples Tone(float seconds, const std::function<float(float)>& frequency, const std::vector<float>& harmonics);
// Repeatable white noise: the same seed always gives the same samples on every platform.
Samples Noise(float seconds, uint32_t seed);

// One-pole low-pass filter: softens noise into thuds and rumbles.
void LowPass(Samples& samples, float cutoffHz);
// Fades in over attack, decays exponentially at decayPerSecond, fades out over the last release.
void ApplyEnvelope(Samples& samples, float attack, float decayPerSecond, float release);
// Sums b into a at the given gain; a grows to the longer length.
void MixInto(Samples& a, const Samples& b, float gain);
// Scales so that the loudest sample reaches peak.
void Normalise(Samples& samples, float peak);
