#pragma once
// GIFs for the seed corpus of the GIF reader: made in code, and rendered from the samples.
#include <cstdint>
#include <string>
#include <vector>

namespace fuzz_seeds {

// Every disposal, a transparent colour, a frame smaller than the canvas, an interlaced picture
// written by another encoder, and the same cut short.
std::vector<std::vector<uint8_t>> MadeGifs();

// The sample's animation as ruxtool render writes it (through a scratch file); empty on failure.
std::vector<uint8_t> RenderedGif(const std::string& samplePath, const std::string& animation, const std::string& scratch);

}  // namespace fuzz_seeds
