#include "PictureEncoder.h"

#include <stb_image_write.h>

#include "CBryDIB.h"
#include "DibPixelReader.h"

namespace {

void AppendBytes(void* context, void* data, int size) {
    auto* out = static_cast<std::vector<uint8_t>*>(context);
    const auto* bytes = static_cast<const uint8_t*>(data);
    out->insert(out->end(), bytes, bytes + size);
}

}  // namespace

std::optional<RgbaPixels> PixelsOfPicture(const CBryDIB& image) {
    if (!image.IsDrawable()) return std::nullopt;
    const DibPixelReader reader(image.Block());
    RgbaPixels result;
    result.width = reader.Width();
    result.height = reader.Rows();
    result.channels = reader.BitCount() == 32 ? 4 : 3;
    const size_t width = static_cast<size_t>(result.width);
    result.pixels.resize(width * static_cast<size_t>(result.height) * static_cast<size_t>(result.channels));
    std::vector<uint32_t> row(width);
    uint8_t* out = result.pixels.data();
    for (int y = 0; y < result.height; ++y) {
        reader.ReadRow(y, 0, result.width, row.data());
        for (uint32_t pixel : row) {
            *out++ = static_cast<uint8_t>(pixel >> 16);
            *out++ = static_cast<uint8_t>(pixel >> 8);
            *out++ = static_cast<uint8_t>(pixel);
            if (result.channels == 4) *out++ = static_cast<uint8_t>(pixel >> 24);
        }
    }
    return result;
}

std::vector<uint8_t> EncodePng(const RgbaPixels& pixels) {
    std::vector<uint8_t> png;
    stbi_write_png_to_func(AppendBytes, &png, pixels.width, pixels.height, pixels.channels, pixels.pixels.data(),
                           pixels.width * pixels.channels);
    return png;
}
