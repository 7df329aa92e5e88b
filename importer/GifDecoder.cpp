#include "GifDecoder.h"

#include <cstring>
#include <memory>

#include <gif_lib.h>

#include "GifCanvas.h"

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
    if (n > 0) std::memcpy(buffer, source->data + source->offset, n);  // no bytes: data may be null
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

std::vector<uint32_t> ColoursOf(const ColorMapObject& map) {
    std::vector<uint32_t> colours;
    for (int i = 0; i < map.ColorCount; ++i) {
        const GifColorType& c = map.Colors[i];
        colours.push_back(uint32_t{c.Red} << 16 | uint32_t{c.Green} << 8 | c.Blue);
    }
    return colours;
}

// Walks the file's records and hands each picture to the canvas.
class GifRecords {
public:
    GifRecords(GifFileType& gif, GifCanvas& canvas, GifPicture& out) : m_gif(gif), m_canvas(canvas), m_out(out) {}

    bool Run();

private:
    bool ReadImage();
    bool ReadExtension();
    bool ReadIndices(const GifImageDesc& desc, std::vector<uint8_t>& indices);
    bool Fail(const std::string& why) {
        m_out.error = why;
        return false;
    }

    GifFileType& m_gif;
    GifCanvas& m_canvas;
    GifPicture& m_out;
    GraphicsControlBlock m_control{DISPOSAL_UNSPECIFIED, false, 0, NO_TRANSPARENT_COLOR};
    bool m_done = false;
};

bool GifRecords::Run() {
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
    return true;
}

bool GifRecords::ReadExtension() {
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

bool GifRecords::ReadImage() {
    if (DGifGetImageDesc(&m_gif) == GIF_ERROR) return Fail(ErrorText(m_gif.Error));
    const GifImageDesc desc = m_gif.Image;
    const ColorMapObject* colours = desc.ColorMap != nullptr ? desc.ColorMap : m_gif.SColorMap;
    if (!m_canvas.Accepts(desc.Left, desc.Top, desc.Width, desc.Height, colours != nullptr, m_control.DisposalMode)) {
        return false;
    }
    GifStoredFrame frame{desc.Left, desc.Top, desc.Width, desc.Height, {}, ColoursOf(*colours),
                         m_control.TransparentColor, m_control.DisposalMode, static_cast<uint32_t>(m_control.DelayTime)};
    if (!ReadIndices(desc, frame.indices)) return false;
    m_done = !m_canvas.Add(frame);
    m_control = GraphicsControlBlock{DISPOSAL_UNSPECIFIED, false, 0, NO_TRANSPARENT_COLOR};
    return true;
}

bool GifRecords::ReadIndices(const GifImageDesc& desc, std::vector<uint8_t>& indices) {
    // Interlaced pictures store every 8th row from 0, every 8th from 4, every 4th from 2, every 2nd from 1.
    static const int kPassStart[4] = {0, 4, 2, 1};
    static const int kPassStep[4] = {8, 8, 4, 2};
    indices.assign(static_cast<size_t>(desc.Width) * static_cast<size_t>(desc.Height), 0);
    const int passes = desc.Interlace ? 4 : 1;
    for (int pass = 0; pass < passes; ++pass) {
        const int step = desc.Interlace ? kPassStep[pass] : 1;
        for (int row = desc.Interlace ? kPassStart[pass] : 0; row < desc.Height; row += step) {
            GifPixelType* line = indices.data() + static_cast<size_t>(row) * static_cast<size_t>(desc.Width);
            if (DGifGetLine(&m_gif, line, desc.Width) == GIF_ERROR) return Fail(ErrorText(m_gif.Error));
        }
    }
    return true;
}

}  // namespace

GifPicture DecodeGif(const uint8_t* data, size_t size, const GifLimits& limits) {
    GifPicture picture;
    MemorySource source{data, size, 0};
    int error = 0;
    GifHandle gif(DGifOpen(&source, ReadFromMemory, &error));
    if (!gif) {
        picture.error = "not a readable GIF (" + ErrorText(error) + ")";
        return picture;
    }
    if (!GifCanvas::Admits(gif->SWidth, gif->SHeight, limits, picture)) return picture;
    GifCanvas canvas(gif->SWidth, gif->SHeight, limits, picture);
    GifRecords records(*gif, canvas, picture);
    if (!records.Run() || !canvas.Finish()) picture.frames.clear();
    return picture;
}
