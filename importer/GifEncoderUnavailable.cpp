// GIF writing where the platform's encoder cannot store frame delays, positions and the loop
// (the Windows build): every call fails, saying so.
#include "GifEncoder.h"

namespace {
const char* const kNoGifWriting = "this program cannot write GIFs (built without giflib)";
}

bool GifWritingSupported() { return false; }

struct GifEncoder::Output {};

GifEncoder::GifEncoder(int, int) : m_output(std::make_unique<Output>()), m_error(kNoGifWriting) {}

GifEncoder::~GifEncoder() = default;

bool GifEncoder::AddFrame(const GifFrameImage&) { return false; }

std::vector<uint8_t> GifEncoder::Finish() { return {}; }

bool QuantizeColours(const std::vector<uint32_t>&, int, std::vector<uint8_t>&, std::vector<uint32_t>&) { return false; }
