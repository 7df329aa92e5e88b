#include "FrameBuilder.h"

#include "PictureDecoder.h"

CFrame MakeFrame(const Canvas& canvas, PointF anchor, const FrameTiming& timing) {
    CFrame frame;
    const std::vector<uint8_t> rgb = canvas.RgbBytes();
    frame.image = CBryDIB(DibFromPixels(rgb.data(), canvas.Width(), canvas.Height(), 3));
    frame.anchor = anchor;
    frame.shift = timing.shift;
    frame.displayTime = timing.displayTime;
    frame.sound = timing.sound;
    return frame;
}

CAnimation MakeAnimation(const std::string& name, std::vector<CFrame> frames) {
    CAnimation animation;
    animation.name = name;
    animation.frames = std::move(frames);
    return animation;
}
