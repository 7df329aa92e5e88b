#include "PictureHeaderJson.h"

#include <algorithm>
#include <limits>
#include <optional>

#include "DibHeader.h"

namespace {

constexpr const char* kSizeImage = "biSizeImage";
constexpr const char* kXPelsPerMeter = "biXPelsPerMeter";
constexpr const char* kYPelsPerMeter = "biYPelsPerMeter";
constexpr const char* kPlanes = "biPlanes";
constexpr const char* kClrImportant = "biClrImportant";
constexpr const char* kTopDown = "topDown";

// A header whose every other value the decoder writes itself: only then can it be kept.
bool IsKeepable(const DibHeader& header) {
    return header.size == kDibHeaderSize && (header.bitCount == 24 || header.bitCount == 32) &&
           header.compression == kBiRgb && header.clrUsed == 0 && header.width > 0 && header.height != 0 &&
           header.height != std::numeric_limits<int32_t>::min();
}

std::optional<int64_t> IntegerOf(const Json& value, int64_t lowest, int64_t highest) {
    if (!value.is_number_integer()) return std::nullopt;
    if (value.is_number_unsigned()) {
        const uint64_t number = value.get<uint64_t>();
        if (number > static_cast<uint64_t>(highest)) return std::nullopt;
        return static_cast<int64_t>(number);
    }
    const int64_t number = value.get<int64_t>();
    if (number < lowest || number > highest) return std::nullopt;
    return number;
}

std::string RangeText(int64_t lowest, int64_t highest) {
    return "must be an integer from " + std::to_string(lowest) + " to " + std::to_string(highest);
}

// Reverses the order of the pixel rows after the header: bottom-up becomes top-down.
void FlipRows(std::vector<uint8_t>& block, const DibHeader& header) {
    const size_t stride = static_cast<size_t>(DibStride(header));
    const size_t rows = DibRowCount(header);
    const auto pixels = block.begin() + kDibHeaderSize;
    for (size_t top = 0, bottom = rows; top + 1 < bottom; ++top, --bottom)
        std::swap_ranges(pixels + static_cast<std::ptrdiff_t>(top * stride),
                         pixels + static_cast<std::ptrdiff_t>((top + 1) * stride),
                         pixels + static_cast<std::ptrdiff_t>((bottom - 1) * stride));
}

}  // namespace

Json PictureHeaderToJson(const CBryDIB& image) {
    if (image.IsEmpty()) return nullptr;
    const DibHeader header = ParseDibHeader(image.Block().data(), image.Block().size());
    if (!IsKeepable(header)) return nullptr;
    const DibHeader canonical = MakeDibHeader(header.width, header.height < 0 ? -header.height : header.height,
                                              header.bitCount);
    Json json = Json::object();
    if (header.sizeImage != canonical.sizeImage) json[kSizeImage] = header.sizeImage;
    if (header.xPelsPerMeter != canonical.xPelsPerMeter) json[kXPelsPerMeter] = header.xPelsPerMeter;
    if (header.yPelsPerMeter != canonical.yPelsPerMeter) json[kYPelsPerMeter] = header.yPelsPerMeter;
    if (header.planes != canonical.planes) json[kPlanes] = header.planes;
    if (header.clrImportant != canonical.clrImportant) json[kClrImportant] = header.clrImportant;
    if (header.height < 0) json[kTopDown] = true;
    if (json.empty()) return nullptr;
    return json;
}

HeaderFault ApplyPictureHeader(const Json& json, std::vector<uint8_t>& block) {
    if (!json.is_object()) return {"", "must be an object"};
    DibHeader header = ParseDibHeader(block.data(), block.size());
    const std::optional<uint64_t> needed = DibBytesNeeded(header);
    if (!IsKeepable(header) || header.height < 0 || !needed || block.size() < *needed)
        return {"", "cannot be applied to this picture"};
    constexpr int64_t kU32 = std::numeric_limits<uint32_t>::max();
    constexpr int64_t kI32Low = std::numeric_limits<int32_t>::min();
    constexpr int64_t kI32High = std::numeric_limits<int32_t>::max();
    bool topDown = false;
    for (const auto& entry : json.items()) {
        const std::string& key = entry.key();
        const Json& value = entry.value();
        if (key == kTopDown) {
            if (!value.is_boolean()) return {key, "must be true or false"};
            topDown = value.get<bool>();
            continue;
        }
        const bool isSigned = key == kXPelsPerMeter || key == kYPelsPerMeter;
        const int64_t lowest = isSigned ? kI32Low : 0;
        const int64_t highest = key == kPlanes ? std::numeric_limits<uint16_t>::max() : isSigned ? kI32High : kU32;
        if (key != kSizeImage && key != kPlanes && key != kClrImportant && !isSigned) return {key, "unknown key"};
        const std::optional<int64_t> number = IntegerOf(value, lowest, highest);
        if (!number) return {key, RangeText(lowest, highest)};
        if (key == kSizeImage) header.sizeImage = static_cast<uint32_t>(*number);
        if (key == kXPelsPerMeter) header.xPelsPerMeter = static_cast<int32_t>(*number);
        if (key == kYPelsPerMeter) header.yPelsPerMeter = static_cast<int32_t>(*number);
        if (key == kPlanes) header.planes = static_cast<uint16_t>(*number);
        if (key == kClrImportant) header.clrImportant = static_cast<uint32_t>(*number);
    }
    if (topDown) {
        FlipRows(block, header);
        header.height = -header.height;
    }
    const std::vector<uint8_t> bytes = EncodeDibHeader(header);
    std::copy(bytes.begin(), bytes.end(), block.begin());
    return {};
}
