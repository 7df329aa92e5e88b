#include "BallCharacter.h"

#include "BallDrawing.h"
#include "FrameBuilder.h"
#include "SoundNames.h"

namespace {

// Bounce pictures are taller, with room above for the hop.
constexpr int kBounceWidth = 48;
constexpr int kBounceHeight = 88;
constexpr float kBounceGround = kBounceHeight - 2;

CFrame RestingFrame(const BallPose& pose, const FrameTiming& timing) {
    return MakeFrame(DrawSoftBall(pose, kBallSize, kBallSize, kBallAnchor.y), kBallAnchor, timing);
}

// Rocks a little on the spot.
CAnimation Stand() {
    std::vector<CFrame> frames;
    const float rock[] = {0.0f, 0.06f, 0.0f, -0.06f};
    const uint32_t times[] = {600, 250, 600, 250};
    for (int i = 0; i < 4; ++i) frames.push_back(RestingFrame({rock[i], 0, 0}, {times[i], {}, {}}));
    return MakeAnimation("Stand", std::move(frames));
}

// Rolling to the right: each frame turns the ball by exactly the angle its rim travels,
// and eight frames make half a turn, after which the stripes look as they started.
CAnimation Walk() {
    constexpr int kFrames = 8;
    constexpr float kTurn = kPi / kFrames;
    const PointF roll{(kBallRadius + kBallOutline) * kTurn, 0.0f};
    std::vector<CFrame> frames;
    for (int i = 0; i < kFrames; ++i) {
        frames.push_back(RestingFrame({kTurn * static_cast<float>(i), 0, 0}, {80, roll, {}}));
    }
    return MakeAnimation("Walk", std::move(frames));
}

// A hop: squash to push off, stretch rising, round at the top, stretch falling,
// squash on landing (with the sound) and a small rebound.
CAnimation Bounce() {
    struct Step {
        float height, squash;
        uint32_t time;
        const char* sound;
    };
    const Step steps[] = {{0, 0.12f, 100, ""},  {0, 0.26f, 90, ""},  {10, -0.18f, 70, ""},
                          {30, -0.07f, 80, ""}, {42, 0.0f, 140, ""}, {30, -0.07f, 80, ""},
                          {10, -0.18f, 70, ""}, {0, 0.26f, 90, kBounceSound},
                          {3, -0.06f, 90, ""},  {0, 0.05f, 120, ""}};
    const PointF anchor{kBounceWidth / 2.0f, kBounceGround};
    std::vector<CFrame> frames;
    for (const Step& step : steps) {
        const SoftPicture picture = DrawSoftBall({0.0f, step.squash, step.height}, kBounceWidth, kBounceHeight, kBounceGround);
        frames.push_back(MakeFrame(picture, anchor, {step.time, {}, step.sound}));
    }
    return MakeAnimation("Bounce", std::move(frames));
}

}  // namespace

CCharacterModel BuildBall() {
    CCharacterModel ball;
    ball.SetCharacterName("Ball");
    for (CAnimation animation : {Stand(), Walk(), Bounce()}) {
        const std::string name = animation.name;
        ball.FileAnimation(name, std::move(animation));
    }
    return ball;
}
