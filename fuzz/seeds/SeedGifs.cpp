#include "SeedGifs.h"

#include <cstdio>
#include <fstream>
#include <iterator>
#include <sstream>

#include "CommandLine.h"
#include "GifEncoder.h"

namespace fuzz_seeds {

namespace {

GifFrameImage Frame(int left, int top, int width, std::vector<uint8_t> indices, GifDisposal disposal, int transparent) {
    return IndexedGifFrame(left, top, width, std::move(indices), {0xFF0000, 0x00FF00, 0x0000FF, 0xAFAFAF}, 7, disposal,
                           transparent);
}

// 2 x 9, interlaced, from ImageMagick.
const std::vector<uint8_t> kInterlaced = {
    0x47, 0x49, 0x46, 0x38, 0x39, 0x61, 0x02, 0x00, 0x09, 0x00, 0xf2, 0x04, 0x00, 0x00, 0x00, 0x00, 0xff,
    0x00, 0x00, 0x00, 0xff, 0x00, 0x00, 0x00, 0xff, 0xff, 0xff, 0xff, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00,
    0x00, 0x00, 0x00, 0x21, 0xf9, 0x04, 0x00, 0x00, 0x00, 0x00, 0x00, 0x2c, 0x00, 0x00, 0x00, 0x00, 0x02,
    0x00, 0x09, 0x00, 0x40, 0x03, 0x09, 0x18, 0x41, 0x04, 0x30, 0x43, 0x48, 0xc1, 0x14, 0x4c, 0x00, 0x3b};

}  // namespace

std::vector<std::vector<uint8_t>> MadeGifs() {
    GifEncoder encoder(4, 3);
    encoder.AddFrame(Frame(0, 0, 4, std::vector<uint8_t>(12, 0), GifDisposal::kKeep, -1));
    encoder.AddFrame(Frame(1, 1, 2, {1, 3, 2, 1}, GifDisposal::kRestore, 3));
    encoder.AddFrame(Frame(2, 0, 2, {2, 2, 3, 3, 1, 1}, GifDisposal::kClear, -1));
    encoder.AddFrame(Frame(0, 2, 4, {3, 2, 1, 0}, GifDisposal::kKeep, 0));
    const std::vector<uint8_t> made = encoder.Finish();
    std::vector<std::vector<uint8_t>> gifs = {made, kInterlaced};
    gifs.emplace_back(made.begin(), made.begin() + static_cast<std::ptrdiff_t>(made.size() / 2));
    return gifs;
}

std::vector<uint8_t> RenderedGif(const std::string& samplePath, const std::string& animation, const std::string& scratch) {
    std::ostringstream out, err;
    if (RunCommandLine({"render", samplePath, animation, scratch}, out, err) != 0) return {};
    std::ifstream in(scratch, std::ios::binary);
    std::vector<uint8_t> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    std::remove(scratch.c_str());
    return bytes;
}

}  // namespace fuzz_seeds
