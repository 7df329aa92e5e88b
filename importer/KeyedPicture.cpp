#include "KeyedPicture.h"

#include "PictureDecoder.h"
#include "RuntimeConstants.h"
#include "SourcePictures.h"

std::vector<uint8_t> KeyedPictureBlock(const SourceFrame& frame) {
    std::vector<uint8_t> rgb;
    rgb.reserve(frame.rgba.size() / 4 * 3);
    for (size_t i = 0; i + 3 < frame.rgba.size(); i += 4) {
        uint32_t colour = uint32_t{frame.rgba[i]} << 16 | uint32_t{frame.rgba[i + 1]} << 8 | frame.rgba[i + 2];
        if (frame.hasAlpha) {
            if (frame.rgba[i + 3] < 128) {
                colour = KEY_COLOUR;
            } else if (colour == KEY_COLOUR) {
                colour = kVisibleKeyColour;
            }
        }
        rgb.push_back(static_cast<uint8_t>(colour >> 16));
        rgb.push_back(static_cast<uint8_t>(colour >> 8));
        rgb.push_back(static_cast<uint8_t>(colour));
    }
    return DibFromPixels(rgb.data(), frame.width, frame.height, 3);
}
