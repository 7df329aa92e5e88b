// GIF reading and writing in builds without giflib (the MinGW build): every call fails.
#include "GifDecoder.h"
#include "GifEncoder.h"

namespace {
const char* const kNoGif = "this program is built without GIF support (giflib)";
}

bool GifSupported() { return false; }

GifPicture DecodeGif(const uint8_t*, size_t, const GifLimits&) {
    GifPicture picture;
    picture.error = kNoGif;
    return picture;
}

struct GifEncoder::Output {};

GifEncoder::GifEncoder(int, int) : m_output(std::make_unique<Output>()), m_error(kNoGif) {}

GifEncoder::~GifEncoder() = default;

bool GifEncoder::AddFrame(const GifFrameImage&) { return false; }

std::vector<uint8_t> GifEncoder::Finish() { return {}; }

bool QuantizeColours(const std::vector<uint32_t>&, int, std::vector<uint8_t>&, std::vector<uint32_t>&) { return false; }
