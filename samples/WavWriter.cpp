#include "WavWriter.h"

#include <algorithm>
#include <cmath>

namespace {

void PutU16(std::vector<uint8_t>& out, uint32_t value) {
    out.push_back(static_cast<uint8_t>(value));
    out.push_back(static_cast<uint8_t>(value >> 8));
}

void PutU32(std::vector<uint8_t>& out, uint32_t value) {
    PutU16(out, value & 0xFFFFu);
    PutU16(out, value >> 16);
}

void PutTag(std::vector<uint8_t>& out, const char (&tag)[5]) {
    for (int i = 0; i < 4; ++i) out.push_back(static_cast<uint8_t>(tag[i]));
}

}  // namespace

std::vector<uint8_t> EncodeWav(const Samples& samples, int sampleRate) {
    constexpr uint32_t kChannels = 1, kBytesPerSample = 2, kFormatChunkSize = 16, kPcm = 1;
    const auto rate = static_cast<uint32_t>(sampleRate);
    const auto dataSize = static_cast<uint32_t>(samples.size() * kBytesPerSample);
    std::vector<uint8_t> out;
    out.reserve(44 + dataSize);
    PutTag(out, "RIFF");
    PutU32(out, 36 + dataSize);
    PutTag(out, "WAVE");
    PutTag(out, "fmt ");
    PutU32(out, kFormatChunkSize);
    PutU16(out, kPcm);
    PutU16(out, kChannels);
    PutU32(out, rate);
    PutU32(out, rate * kChannels * kBytesPerSample);
    PutU16(out, kChannels * kBytesPerSample);
    PutU16(out, 8 * kBytesPerSample);
    PutTag(out, "data");
    PutU32(out, dataSize);
    for (const float sample : samples) {
        const auto value = static_cast<int16_t>(std::lround(std::clamp(sample, -1.0f, 1.0f) * 32767.0f));
        PutU16(out, static_cast<uint16_t>(value));
    }
    return out;
}
