// When the request engine asks for its next tick: never while nothing can change, at once for
// a request, every period while one plays, and at the due time of a balloon page or idle action.
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "CCharacterModel.h"
#include "CRequestEngine.h"
#include "PictureDecoder.h"

namespace {

class ClockHost : public IRequestHost {
public:
    uint32_t now = 1000;
    uint32_t TickCount() override { return now; }
    void Notify(unsigned, int32_t) override {}
    void PlaySound(const std::string&) override {}
    void PresentBusy() override {}
    void PresentIdle() override {}
};

CCharacterModel TwoFrameModel() {
    CCharacterModel model;
    CAnimation animation;
    for (int i = 0; i < 2; ++i) {
        CFrame frame;
        frame.displayTime = 100;
        std::vector<uint8_t> pixels(4 * 4 * 3, 0);
        frame.image = CBryDIB(DibFromPixels(pixels.data(), 4, 4, 3));
        animation.frames.push_back(frame);
    }
    model.FileAnimation("Wave", animation);
    return model;
}

Request Wave(int32_t id) {
    Request request;
    request.id = id;
    request.animationName = "Wave";
    request.inPlace = true;
    return request;
}

struct Schedule : ::testing::Test {
    Schedule() : model(TwoFrameModel()), player(&model), engine(model, player, scene, host) {}
    std::optional<uint32_t> Next(bool visible = true) { return engine.NextTickDelay(host.now, visible); }
    void TickAfter(uint32_t ms) {
        host.now += ms;
        engine.Tick();
    }
    CCharacterModel model;
    CAnimationPlayer player;
    CCharacterScene scene;
    ClockHost host;
    CRequestEngine engine;
};

TEST_F(Schedule, NoTickWithoutWorkATickAtOnceForARequestAndNoneAfterItCompletes) {
    EXPECT_EQ(Next(), std::nullopt);
    engine.Append(Wave(1));
    EXPECT_EQ(Next(), 0u);
    EXPECT_EQ(Next(false), 0u) << "a hidden character still plays its requests";
    TickAfter(0);
    EXPECT_TRUE(engine.InProgress());
    EXPECT_EQ(Next(), 0u);
    for (int i = 0; i < 5 && engine.InProgress(); ++i) TickAfter(100);
    ASSERT_FALSE(engine.InProgress());
    EXPECT_EQ(Next(), std::nullopt);
}

TEST_F(Schedule, IdlingAsksForTheDueTimeOfTheNextIdleActionAndNothingWhileHidden) {
    engine.SetIdle({"Wave"}, 5000, 1);
    host.now += 1500;
    EXPECT_EQ(Next(), 3500u);
    EXPECT_EQ(Next(false), std::nullopt);
    engine.Append(Wave(1));
    EXPECT_EQ(Next(), 0u) << "a request does not wait for the idle action's time";
    engine.StopAll();
    EXPECT_EQ(Next(), 5000u) << "a stop counts as activity: the delay starts again";
    host.now += 5000;
    EXPECT_EQ(Next(), 0u);
    TickAfter(0);
    ASSERT_TRUE(engine.IsIdling());
    EXPECT_EQ(Next(), 0u);
    for (int i = 0; i < 5 && engine.IsIdling(); ++i) TickAfter(100);
    ASSERT_FALSE(engine.IsIdling());
    EXPECT_EQ(Next(), 5000u) << "the delay counts again from the end of the idle action";
    host.now += 7000;
    EXPECT_EQ(Next(), 0u) << "an overdue idle action is due at once, never wrapped round";
}

TEST_F(Schedule, ABalloonAsksForTheEndOfEachPageAndNothingOnceItIsGone) {
    Request speak;
    speak.id = 1;
    speak.kind = RequestKind::Speak;
    speak.text = u"one two three four five six";
    speak.balloon.charsPerLine = 8;
    speak.balloon.numberOfLines = 1;
    engine.Append(speak);
    TickAfter(0);
    const std::optional<uint32_t> first = Next();
    ASSERT_TRUE(first.has_value());
    ASSERT_GT(*first, 100u);
    host.now += 100;
    EXPECT_EQ(Next(), *first - 100);
    int ticks = 0;
    while (Next().has_value() && ticks < 20) {
        TickAfter(*Next());
        ++ticks;
    }
    EXPECT_GE(ticks, 3) << "one tick per page of three or more";
    EXPECT_FALSE(engine.InProgress());
    EXPECT_EQ(engine.QueuedCount(), 0u);
}

}  // namespace
