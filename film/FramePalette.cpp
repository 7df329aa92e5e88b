#include "FramePalette.h"

#include <unordered_map>

#include "GifEncoder.h"

namespace {

constexpr size_t kOtherColours = 255;

// The exact table, or false when there are more colours than it can hold.
bool IndexExactly(const std::vector<uint32_t>& pixels, uint32_t keyColour, IndexedColours& result) {
    std::unordered_map<uint32_t, uint8_t> indexOf;
    for (size_t i = 0; i < pixels.size(); ++i) {
        const uint32_t colour = pixels[i] & 0xFFFFFFu;
        if (colour == keyColour) continue;
        auto found = indexOf.find(colour);
        if (found == indexOf.end()) {
            if (result.colours.size() == kOtherColours + 1) return false;
            found = indexOf.emplace(colour, static_cast<uint8_t>(result.colours.size())).first;
            result.colours.push_back(colour);
        }
        result.indices[i] = found->second;
    }
    return true;
}

bool IndexByQuantising(const std::vector<uint32_t>& pixels, uint32_t keyColour, IndexedColours& result) {
    std::vector<uint32_t> others;
    for (uint32_t pixel : pixels) {
        if ((pixel & 0xFFFFFFu) != keyColour) others.push_back(pixel & 0xFFFFFFu);
    }
    std::vector<uint8_t> otherIndices;
    std::vector<uint32_t> table;
    if (!QuantizeColours(others, static_cast<int>(kOtherColours), otherIndices, table)) return false;
    result.colours.insert(result.colours.end(), table.begin(), table.end());
    size_t next = 0;
    for (size_t i = 0; i < pixels.size(); ++i) {
        if ((pixels[i] & 0xFFFFFFu) != keyColour) result.indices[i] = static_cast<uint8_t>(otherIndices[next++] + 1);
    }
    return true;
}

}  // namespace

IndexedColours IndexPixels(const std::vector<uint32_t>& pixels, uint32_t keyColour, uint32_t keyShownAs) {
    IndexedColours result;
    result.indices.assign(pixels.size(), 0);
    result.colours = {keyShownAs};
    if (IndexExactly(pixels, keyColour, result)) return result;
    result.colours = {keyShownAs};
    result.indices.assign(pixels.size(), 0);
    if (!IndexByQuantising(pixels, keyColour, result)) result.colours.clear();
    return result;
}
