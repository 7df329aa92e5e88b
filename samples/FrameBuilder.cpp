#include "FrameBuilder.h"

#include <utility>

#include "PictureDecoder.h"

namespace {

CFrame FrameOf(std::vector<uint8_t> picture, PointF anchor, const FrameTiming& timing) {
    CFrame frame;
    frame.image = CBryDIB(std::move(picture));
    frame.anchor = anchor;
    frame.shift = timing.shift;
    frame.displayTime = timing.displayTime;
    frame.sound = timing.sound;
    return frame;
}

}  // namespace

CFrame MakeFrame(const Canvas& canvas, PointF anchor, const FrameTiming& timing) {
    const std::vector<uint8_t> rgb = canvas.RgbBytes();
    return FrameOf(DibFromPixels(rgb.data(), canvas.Width(), canvas.Height(), 3), anchor, timing);
}

CFrame MakeFrame(const SoftPicture& picture, PointF anchor, const FrameTiming& timing) {
    return FrameOf(DibFromPixels(picture.rgba.data(), picture.width, picture.height, 4), anchor, timing);
}

CAnimation MakeAnimation(const std::string& name, std::vector<CFrame> frames) {
    CAnimation animation;
    animation.name = name;
    animation.frames = std::move(frames);
    return animation;
}
