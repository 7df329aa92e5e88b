#include "TestCharacters.h"

#include <stdexcept>
#include <vector>

#include "CAnimation.h"
#include "PictureDecoder.h"
#include "RuntimeConstants.h"
#include "TestModels.h"

namespace test_characters {

bool IsKeyPixel(int x, int y) {
    const bool hole = x >= 8 && x < 14 && y >= 10 && y < 22;
    const bool lattice = (x + 2 * y) % 9 == 0;
    const bool topCorner = x + y < 6;
    return hole || lattice || topCorner;
}

uint32_t PicturePixel(int x, int y) {
    if (IsKeyPixel(x, y)) return KEY_COLOUR;
    return x < kPictureWidth / 2 ? kRed : kGreen;
}

namespace {

CBryDIB Picture() {
    std::vector<uint8_t> rgb;
    rgb.reserve(kPictureWidth * kPictureHeight * 3);
    for (int y = 0; y < kPictureHeight; ++y) {
        for (int x = 0; x < kPictureWidth; ++x) {
            const uint32_t colour = PicturePixel(x, y);
            rgb.push_back(static_cast<uint8_t>(colour >> 16));
            rgb.push_back(static_cast<uint8_t>(colour >> 8));
            rgb.push_back(static_cast<uint8_t>(colour));
        }
    }
    return CBryDIB(DibFromPixels(rgb.data(), kPictureWidth, kPictureHeight, 3));
}

CFrame Frame(uint32_t displayTime, PointF shift = {}, const std::string& sound = {}) {
    CFrame frame;
    frame.image = Picture();
    frame.anchor = kAnchor;
    frame.shift = shift;
    frame.displayTime = displayTime;
    frame.sound = sound;
    return frame;
}

CAnimation Animation(const std::string& name, std::vector<CFrame> frames) {
    CAnimation animation;
    animation.name = name;
    animation.frames = std::move(frames);
    return animation;
}

}  // namespace

CCharacterModel TestCharacter() {
    CCharacterModel model;
    model.SetCharacterName("Tester");
    model.FileAnimation("stand", Animation("stand", {Frame(200)}));
    model.FileAnimation("walk", Animation("walk", {Frame(100, {10, 0}), Frame(100, {10, 0}), Frame(100, {10, 0})}));
    model.FileAnimation("long", Animation("long", {Frame(60000)}));
    model.FileAnimation("quick", Animation("quick", {Frame(0)}));
    model.FileAnimation("sound", Animation("sound", {Frame(50, {}, "step.wav")}));
    model.FileAnimation("unsafe", Animation("unsafe", {Frame(50, {}, "..\\secret.wav")}));
    CFrame ball = Frame(100);
    ball.SetOrigin("ball", kBallOrigin);
    model.FileAnimation("throw", Animation("throw", {ball}));
    return model;
}

std::string SaveTestCharacter(const std::string& folderName) {
    const std::string path = testing_models::TempFolder(folderName) + "\\tester.rux";
    if (!TestCharacter().Save(path)) throw std::runtime_error("cannot save the test character");
    return path;
}

}  // namespace test_characters
