#pragma once
// Helpers the sample tests share: where the generated files are, and reading their pictures and sounds.
#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "PictureEncoder.h"

// The folder make_samples wrote at build time (VIMRO_SAMPLES); empty when not set.
std::string SampleDir();
std::vector<uint8_t> ReadFileBytes(const std::string& path);

bool IsKeyPixel(const RgbaPixels& picture, int x, int y);
// Key-coloured pixels that cannot be reached from the border through key-coloured pixels
// (diagonal steps included): holes inside the character, where the desktop would show through.
std::vector<std::pair<int, int>> EnclosedKeyPixels(const RgbaPixels& picture);
bool BorderIsKey(const RgbaPixels& picture);
int PaintedPixelCount(const RgbaPixels& picture);
// The lowest row holding a painted pixel, or -1 when nothing is painted.
int LowestPaintedRow(const RgbaPixels& picture);
// The same counting only fully opaque pixels: the character without its soft shadow.
int LowestOpaqueRow(const RgbaPixels& picture);

struct WavInfo {
    uint16_t format = 0, channels = 0, bitsPerSample = 0, blockAlign = 0;
    uint32_t sampleRate = 0, byteRate = 0, riffSize = 0;
    std::vector<int16_t> samples;
};
// Parses a RIFF WAVE file's fmt and data chunks; nothing when the layout is broken.
std::optional<WavInfo> ParseWav(const std::vector<uint8_t>& bytes);
