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

bool HasPartialOpacity(const SourceFrame& frame) {
    if (!frame.hasAlpha) return false;
    for (size_t i = 3; i < frame.rgba.size(); i += 4) {
        if (frame.rgba[i] != 0 && frame.rgba[i] != 0xFF) return true;
    }
    return false;
}

std::vector<uint8_t> OpacityPictureBlock(const SourceFrame& frame) {
    std::vector<uint8_t> rgba = frame.rgba;
    for (size_t i = 0; i + 3 < rgba.size(); i += 4) {
        const uint32_t colour = uint32_t{rgba[i]} << 16 | uint32_t{rgba[i + 1]} << 8 | rgba[i + 2];
        uint32_t kept = colour;
        if (rgba[i + 3] == 0) {
            kept = KEY_COLOUR;
        } else if (colour == KEY_COLOUR) {
            kept = kVisibleKeyColour;
        }
        rgba[i] = static_cast<uint8_t>(kept >> 16);
        rgba[i + 1] = static_cast<uint8_t>(kept >> 8);
        rgba[i + 2] = static_cast<uint8_t>(kept);
    }
    return DibFromPixels(rgba.data(), frame.width, frame.height, 4);
}

std::vector<uint8_t> FramePictureBlock(const SourceFrame& frame) {
    return HasPartialOpacity(frame) ? OpacityPictureBlock(frame) : KeyedPictureBlock(frame);
}
