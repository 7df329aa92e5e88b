#pragma once
// Encoding sounds as WAV files: 16-bit PCM, one channel.
#include <cstdint>
#include <vector>

#include "Synth.h"

// The whole file: RIFF header, format chunk and data; samples beyond -1..1 are clipped.
std::vector<uint8_t> EncodeWav(const Samples& samples, int sampleRate);
