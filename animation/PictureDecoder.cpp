#include "PictureDecoder.h"

#include <limits>
#include <memory>

#include <stb_image.h>

#include "CFileReader.h"
#include "DibHeader.h"

namespace {

struct StbiFree {
    void operator()(stbi_uc* pixels) const { stbi_image_free(pixels); }
};

DecodedPicture Failure(std::string why) {
    DecodedPicture picture;
    picture.error = std::move(why);
    return picture;
}

}  // namespace

std::vector<uint8_t> DibFromPixels(const uint8_t* pixels, int width, int height, int channels) {
    const uint16_t bitCount = channels == 4 ? 32 : 24;
    const DibHeader header = MakeDibHeader(width, height, bitCount);
    std::vector<uint8_t> block = EncodeDibHeader(header);
    const size_t stride = static_cast<size_t>(DibStride(header));
    const size_t pixelStart = block.size();
    block.resize(pixelStart + stride * static_cast<size_t>(height), 0);
    const size_t bytesPerPixel = bitCount / 8;
    for (int y = 0; y < height; ++y) {
        // Bottom-up: the top source row is the last stored row.
        uint8_t* out = block.data() + pixelStart + stride * static_cast<size_t>(height - 1 - y);
        const uint8_t* in = pixels + static_cast<size_t>(y) * static_cast<size_t>(width) * static_cast<size_t>(channels);
        for (int x = 0; x < width; ++x, in += channels, out += bytesPerPixel) {
            out[0] = in[2];
            out[1] = in[1];
            out[2] = in[0];
            if (bytesPerPixel == 4) out[3] = in[3];
        }
    }
    return block;
}

DecodedPicture DecodePictureBytes(const uint8_t* data, size_t size) {
    if (size == 0 || size > static_cast<size_t>(std::numeric_limits<int>::max())) return Failure("empty or oversized picture");
    const int length = static_cast<int>(size);
    int width = 0, height = 0, channels = 0;
    if (stbi_info_from_memory(data, length, &width, &height, &channels) == 0) {
        return Failure(std::string("not a BMP, JPEG, Targa or PNG picture (") + stbi_failure_reason() + ")");
    }
    if (width <= 0 || height <= 0 || width > kMaxPictureDimension || height > kMaxPictureDimension) {
        return Failure("picture larger than " + std::to_string(kMaxPictureDimension) + " pixels on a side");
    }
    const int wanted = (channels == 2 || channels == 4) ? 4 : 3;
    std::unique_ptr<stbi_uc, StbiFree> pixels(stbi_load_from_memory(data, length, &width, &height, &channels, wanted));
    if (!pixels) return Failure(std::string("cannot decode picture (") + stbi_failure_reason() + ")");
    DecodedPicture picture;
    picture.block = DibFromPixels(pixels.get(), width, height, wanted);
    return picture;
}

DecodedPicture DecodePictureFile(const std::string& path) {
    CFileReader reader(path);
    if (!reader.Good()) return Failure("cannot open " + path);
    // The reader reads at most 256 MiB: a larger picture file is refused, never taken in part.
    if (reader.IsCutShort()) return Failure(path + " is too large for a picture");
    std::vector<uint8_t> bytes(static_cast<size_t>(reader.Remaining()));
    if (!reader.Read(bytes.data(), bytes.size())) return Failure("cannot read " + path);
    DecodedPicture picture = DecodePictureBytes(bytes.data(), bytes.size());
    if (picture.block.empty()) picture.error = path + ": " + picture.error;
    return picture;
}
