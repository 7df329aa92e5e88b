#include "GifDecoder.h"

#include <cstring>
#include <memory>

#include <gif_lib.h>

namespace {

struct MemorySource {
    const uint8_t* data;
    size_t size;
    size_t offset;
};

int ReadFromMemory(GifFileType* gif, GifByteType* buffer, int count) {
    auto* source = static_cast<MemorySource*>(gif->UserData);
    const size_t left = source->size - source->offset;
    const size_t n = count < 0 ? 0 : std::min(static_cast<size_t>(count), left);
    std::memcpy(buffer, source->data + source->offset, n);
    source->offset += n;
    return static_cast<int>(n);
}

struct GifCloser {
    void operator()(GifFileType* gif) const {
        int ignored = 0;
        DGifCloseFile(gif, &ignored);
    }
};
using GifHandle = std::unique_ptr<GifFileType, GifCloser>;

std::string ErrorText(int code) {
    const char* text = GifErrorString(code);
    return text != nullptr ? text : "unknown GIF error";
}

// Composes frames onto the canvas the way viewers do and collects the results.
class GifComposer {
public:
    GifComposer(GifFileType& gif, const GifLimits& limits, GifPicture& out)
        : m_gif(gif), m_limits(limits), m_out(out),
          m_canvas(static_cast<size_t>(gif.SWidth) * static_cast<size_t>(gif.SHeight) * 4, 0) {}

    bool Run();

private:
    bool ReadImage();
    bool ReadExtension();
    bool DrawLines(const GifImageDesc& desc, const ColorMapObject& colours);
    void Dispose(const GifImageDesc& desc, const std::vector<uint8_t>& before);
    bool Fail(const std::string& why) {
        m_out.error = why;
        return false;
    }

    GifFileType& m_gif;
    const GifLimits& m_limits;
    GifPicture& m_out;
    std::vector<uint8_t> m_canvas;
    GraphicsControlBlock m_control{DISPOSAL_UNSPECIFIED, false, 0, NO_TRANSPARENT_COLOR};
    bool m_done = false;
};

bool GifComposer::Run() {
    while (!m_done) {
        GifRecordType type = UNDEFINED_RECORD_TYPE;
        if (DGifGetRecordType(&m_gif, &type) == GIF_ERROR) return Fail(ErrorText(m_gif.Error));
        if (type == IMAGE_DESC_RECORD_TYPE) {
            if (!ReadImage()) return false;
        } else if (type == EXTENSION_RECORD_TYPE) {
            if (!ReadExtension()) return false;
        } else if (type == TERMINATE_RECORD_TYPE) {
            m_done = true;
        } else {
            return Fail("unexpected record in the GIF");
        }
    }
    if (m_out.frames.empty()) return Fail("the GIF holds no picture");
    return true;
}

bool GifComposer::ReadExtension() {
    int code = 0;
    GifByteType* block = nullptr;
    if (DGifGetExtension(&m_gif, &code, &block) == GIF_ERROR) return Fail(ErrorText(m_gif.Error));
    if (code == GRAPHICS_EXT_FUNC_CODE && block != nullptr && block[0] >= 4) {
        DGifExtensionToGCB(block[0], block + 1, &m_control);
    }
    while (block != nullptr) {
        if (DGifGetExtensionNext(&m_gif, &block) == GIF_ERROR) return Fail(ErrorText(m_gif.Error));
    }
    return true;
}

bool GifComposer::ReadImage() {
    if (DGifGetImageDesc(&m_gif) == GIF_ERROR) return Fail(ErrorText(m_gif.Error));
    const GifImageDesc desc = m_gif.Image;
    const size_t number = m_out.frames.size() + 1;
    if (desc.Width <= 0 || desc.Height <= 0 || desc.Left < 0 || desc.Top < 0 ||
        desc.Left + desc.Width > m_gif.SWidth || desc.Top + desc.Height > m_gif.SHeight) {
        return Fail("frame " + std::to_string(number) + " lies outside the " + std::to_string(m_gif.SWidth) + " x " +
                    std::to_string(m_gif.SHeight) + " canvas");
    }
    const ColorMapObject* colours = desc.ColorMap != nullptr ? desc.ColorMap : m_gif.SColorMap;
    if (colours == nullptr) return Fail("frame " + std::to_string(number) + " has no colour table");
    if (number > m_limits.maxFrames) return Fail("more than " + std::to_string(m_limits.maxFrames) + " frames");
    // The budget holds the frames, the canvas they are composed on and its saved copy.
    const size_t held = number + 1 + (m_control.DisposalMode == DISPOSE_PREVIOUS ? 1 : 0);
    if (held * m_canvas.size() > m_limits.maxFrameBytes) {
        return Fail("the frames would take more than " + std::to_string(m_limits.maxFrameBytes >> 20) + " MiB");
    }
    const std::vector<uint8_t> before = m_control.DisposalMode == DISPOSE_PREVIOUS ? m_canvas : std::vector<uint8_t>();
    if (!DrawLines(desc, *colours)) return false;
    m_out.frames.push_back({m_canvas, static_cast<uint32_t>(m_control.DelayTime) * 10u});
    Dispose(desc, before);
    m_control = GraphicsControlBlock{DISPOSAL_UNSPECIFIED, false, 0, NO_TRANSPARENT_COLOR};
    m_done = m_limits.firstFrameOnly;
    return true;
}

bool GifComposer::DrawLines(const GifImageDesc& desc, const ColorMapObject& colours) {
    // Interlaced pictures store every 8th row from 0, every 8th from 4, every 4th from 2, every 2nd from 1.
    static const int kPassStart[4] = {0, 4, 2, 1};
    static const int kPassStep[4] = {8, 8, 4, 2};
    std::vector<GifPixelType> line(static_cast<size_t>(desc.Width));
    const int passes = desc.Interlace ? 4 : 1;
    for (int pass = 0; pass < passes; ++pass) {
        const int step = desc.Interlace ? kPassStep[pass] : 1;
        for (int row = desc.Interlace ? kPassStart[pass] : 0; row < desc.Height; row += step) {
            if (DGifGetLine(&m_gif, line.data(), desc.Width) == GIF_ERROR) return Fail(ErrorText(m_gif.Error));
            uint8_t* out = m_canvas.data() + (static_cast<size_t>(desc.Top + row) * m_gif.SWidth + desc.Left) * 4;
            for (int x = 0; x < desc.Width; ++x, out += 4) {
                const int index = line[static_cast<size_t>(x)];
                // The transparent index, and indices beyond the table, leave the canvas showing.
                if (index == m_control.TransparentColor || index >= colours.ColorCount) continue;
                const GifColorType& colour = colours.Colors[index];
                out[0] = colour.Red;
                out[1] = colour.Green;
                out[2] = colour.Blue;
                out[3] = 255;
            }
        }
    }
    return true;
}

// After a frame has shown: its area cleared (as browsers do, to transparent) or the canvas put back.
void GifComposer::Dispose(const GifImageDesc& desc, const std::vector<uint8_t>& before) {
    if (m_control.DisposalMode == DISPOSE_PREVIOUS) {
        m_canvas = before;
    } else if (m_control.DisposalMode == DISPOSE_BACKGROUND) {
        for (int row = 0; row < desc.Height; ++row) {
            uint8_t* out = m_canvas.data() + (static_cast<size_t>(desc.Top + row) * m_gif.SWidth + desc.Left) * 4;
            std::memset(out, 0, static_cast<size_t>(desc.Width) * 4);
        }
    }
}

}  // namespace

bool GifSupported() { return true; }

GifPicture DecodeGif(const uint8_t* data, size_t size, const GifLimits& limits) {
    GifPicture picture;
    MemorySource source{data, size, 0};
    int error = 0;
    GifHandle gif(DGifOpen(&source, ReadFromMemory, &error));
    if (!gif) {
        picture.error = "not a readable GIF (" + ErrorText(error) + ")";
        return picture;
    }
    if (gif->SWidth <= 0 || gif->SHeight <= 0 || gif->SWidth > limits.maxSide || gif->SHeight > limits.maxSide) {
        picture.error = "GIF canvas " + std::to_string(gif->SWidth) + " x " + std::to_string(gif->SHeight) +
                        " is empty or larger than " + std::to_string(limits.maxSide) + " pixels on a side";
        return picture;
    }
    // Checked before the canvas is made: a few bytes of header may claim a canvas of any size.
    const uint64_t canvasBytes = uint64_t{static_cast<uint32_t>(gif->SWidth)} * static_cast<uint32_t>(gif->SHeight) * 4;
    if (2 * canvasBytes > limits.maxFrameBytes) {
        picture.error = "GIF canvas " + std::to_string(gif->SWidth) + " x " + std::to_string(gif->SHeight) +
                        " would take more than " + std::to_string(limits.maxFrameBytes >> 20) + " MiB";
        return picture;
    }
    picture.width = gif->SWidth;
    picture.height = gif->SHeight;
    GifComposer composer(*gif, limits, picture);
    if (!composer.Run()) picture.frames.clear();
    return picture;
}
