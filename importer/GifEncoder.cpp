#include "GifEncoder.h"

#include <gif_lib.h>

namespace {

int AppendToVector(GifFileType* gif, const GifByteType* data, int count) {
    auto* bytes = static_cast<std::vector<uint8_t>*>(gif->UserData);
    bytes->insert(bytes->end(), data, data + count);
    return count;
}

std::string ErrorText(int code) {
    const char* text = GifErrorString(code);
    return text != nullptr ? text : "unknown GIF error";
}

struct MapDeleter {
    void operator()(ColorMapObject* map) const { GifFreeMapObject(map); }
};

// A colour table of the next power of two at least as long as the colours (GIF needs one).
std::unique_ptr<ColorMapObject, MapDeleter> MakeColourMap(const std::vector<uint32_t>& colours) {
    int size = 2;
    while (size < static_cast<int>(colours.size())) size *= 2;
    std::unique_ptr<ColorMapObject, MapDeleter> map(GifMakeMapObject(size, nullptr));
    if (!map) return map;
    for (int i = 0; i < size; ++i) {
        const uint32_t colour = i < static_cast<int>(colours.size()) ? colours[static_cast<size_t>(i)] : 0;
        map->Colors[i] = GifColorType{static_cast<GifByteType>(colour >> 16), static_cast<GifByteType>(colour >> 8),
                                      static_cast<GifByteType>(colour)};
    }
    return map;
}

}  // namespace

struct GifEncoder::Output {
    std::vector<uint8_t> bytes;
    GifFileType* gif = nullptr;  // closed by Finish or the destructor
};

GifEncoder::GifEncoder(int width, int height) : m_output(std::make_unique<Output>()) {
    int error = 0;
    m_output->gif = EGifOpen(&m_output->bytes, AppendToVector, &error);
    if (m_output->gif == nullptr) {
        m_error = ErrorText(error);
        return;
    }
    GifFileType* gif = m_output->gif;
    EGifSetGifVersion(gif, true);
    // The application block that makes viewers loop: NETSCAPE2.0, sub-block 1, loop count 0 (for ever).
    static const GifByteType kLoopName[] = {'N', 'E', 'T', 'S', 'C', 'A', 'P', 'E', '2', '.', '0'};
    static const GifByteType kLoopForever[] = {1, 0, 0};
    if (EGifPutScreenDesc(gif, width, height, 8, 0, nullptr) == GIF_ERROR ||
        EGifPutExtensionLeader(gif, APPLICATION_EXT_FUNC_CODE) == GIF_ERROR ||
        EGifPutExtensionBlock(gif, sizeof kLoopName, kLoopName) == GIF_ERROR ||
        EGifPutExtensionBlock(gif, sizeof kLoopForever, kLoopForever) == GIF_ERROR ||
        EGifPutExtensionTrailer(gif) == GIF_ERROR) {
        m_error = ErrorText(gif->Error);
    }
}

GifEncoder::~GifEncoder() {
    if (m_output->gif != nullptr) {
        int ignored = 0;
        EGifCloseFile(m_output->gif, &ignored);
    }
}

bool GifEncoder::AddFrame(const GifFrameImage& frame) {
    if (!m_error.empty()) return false;
    if (frame.colours.empty() || frame.colours.size() > 256 ||
        frame.indices.size() != static_cast<size_t>(frame.width) * static_cast<size_t>(frame.height)) {
        m_error = "frame without colours or with the wrong number of pixels";
        return false;
    }
    GifFileType* gif = m_output->gif;
    GraphicsControlBlock control{static_cast<int>(frame.disposal), false, static_cast<int>(frame.delayCentiseconds),
                                 frame.transparentIndex};
    GifByteType extension[4];
    const size_t length = EGifGCBToExtension(&control, extension);
    const auto map = MakeColourMap(frame.colours);
    if (!map || EGifPutExtension(gif, GRAPHICS_EXT_FUNC_CODE, static_cast<int>(length), extension) == GIF_ERROR ||
        EGifPutImageDesc(gif, frame.left, frame.top, frame.width, frame.height, false, map.get()) == GIF_ERROR) {
        m_error = map ? ErrorText(gif->Error) : "out of memory";
        return false;
    }
    std::vector<GifPixelType> line(static_cast<size_t>(frame.width));
    for (int row = 0; row < frame.height; ++row) {
        const uint8_t* in = frame.indices.data() + static_cast<size_t>(row) * static_cast<size_t>(frame.width);
        line.assign(in, in + frame.width);
        if (EGifPutLine(gif, line.data(), frame.width) == GIF_ERROR) {
            m_error = ErrorText(gif->Error);
            return false;
        }
    }
    return true;
}

std::vector<uint8_t> GifEncoder::Finish() {
    if (m_output->gif == nullptr) return {};
    int error = 0;
    const int closed = EGifCloseFile(m_output->gif, &error);
    m_output->gif = nullptr;
    if (m_error.empty() && closed == GIF_ERROR) m_error = ErrorText(error);
    if (!m_error.empty()) return {};
    return std::move(m_output->bytes);
}

bool QuantizeColours(const std::vector<uint32_t>& colours, int maxColours, std::vector<uint8_t>& indices,
                     std::vector<uint32_t>& table) {
    const size_t count = colours.size();
    std::vector<GifByteType> red(count), green(count), blue(count);
    for (size_t i = 0; i < count; ++i) {
        red[i] = static_cast<GifByteType>(colours[i] >> 16);
        green[i] = static_cast<GifByteType>(colours[i] >> 8);
        blue[i] = static_cast<GifByteType>(colours[i]);
    }
    indices.assign(count, 0);
    GifColorType map[256] = {};
    int size = maxColours;
    if (count == 0 || count > UINT32_MAX ||
        GifQuantizeBuffer(static_cast<unsigned>(count), 1, &size, red.data(), green.data(), blue.data(), indices.data(),
                          map) == GIF_ERROR) {
        return false;
    }
    table.clear();
    for (int i = 0; i < size && i < 256; ++i) {
        table.push_back(uint32_t{map[i].Red} << 16 | uint32_t{map[i].Green} << 8 | map[i].Blue);
    }
    return true;
}
