// The requests that ICharacter2 adds: Speak and Think balloons, Show and Hide, and idling.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "CCharacterModel.h"
#include "CRequestEngine.h"
#include "CharacterMessages.h"
#include "PictureDecoder.h"

namespace {

class BalloonHost : public IRequestHost {
public:
    uint32_t now = 1000;
    std::vector<std::string> log;
    uint32_t TickCount() override { return now; }
    void Notify(unsigned notification, int32_t id) override {
        log.push_back((notification == CRN_REQUESTSTART ? "start " : "complete ") + std::to_string(id));
    }
    void PlaySound(const std::string&) override {}
    void PresentBusy() override { log.push_back("busy"); }
    void PresentIdle() override { log.push_back("idle"); }
    void ShowWindowForRequest() override { log.push_back("show window"); }
    void HideWindowForRequest() override { log.push_back("hide window"); }
    void ShowBalloon(BalloonKind kind, const BalloonStyle&, const BalloonPage& page) override {
        std::string text = kind == BalloonKind::Thought ? "think:" : "speak:";
        for (const std::u16string& line : page) text += "[" + std::string(line.begin(), line.end()) + "]";
        log.push_back(text);
    }
    void HideBalloon() override { log.push_back("balloon gone"); }
    std::vector<std::string> Take() { return std::exchange(log, {}); }
};

CFrame Frame(uint32_t time) {
    CFrame frame;
    frame.displayTime = time;
    std::vector<uint8_t> pixels(4 * 4 * 3, 0);
    frame.image = CBryDIB(DibFromPixels(pixels.data(), 4, 4, 3));
    return frame;
}

CCharacterModel Model() {
    CCharacterModel model;
    for (const char* name : {"Wave", "Blink", "Yawn"}) {
        CAnimation animation;
        animation.frames = {Frame(100), Frame(100)};
        model.FileAnimation(name, animation);
    }
    return model;
}

Request Balloon(int32_t id, RequestKind kind, const std::u16string& text) {
    Request request;
    request.id = id;
    request.kind = kind;
    request.text = text;
    request.balloon.charsPerLine = 8;
    request.balloon.numberOfLines = 1;
    return request;
}

Request InPlace(int32_t id, RequestKind kind, const std::string& name) {
    Request request;
    request.id = id;
    request.kind = kind;
    request.animationName = name;
    request.inPlace = true;
    return request;
}

struct Fixture {
    Fixture() : model(Model()), player(&model), engine(model, player, scene, host) {}
    void TickAfter(uint32_t ms) {
        host.now += ms;
        engine.Tick();
    }
    CCharacterModel model;
    CAnimationPlayer player;
    CCharacterScene scene;
    BalloonHost host;
    CRequestEngine engine;
};

using Log = std::vector<std::string>;

}  // namespace

TEST(BalloonRequests, PagesFollowTheirReadingTimesThenTheBalloonGoesAndTheNextRequestStarts) {
    Fixture f;
    f.engine.Append(Balloon(1, RequestKind::Speak, u"Hello there friend"));
    f.engine.Append(Balloon(2, RequestKind::Think, u"hmm"));
    f.engine.Tick();
    EXPECT_EQ(f.host.Take(), (Log{"start 1", "speak:[Hello]", "idle"}));
    const uint32_t first = BalloonReadingTime({u"Hello"});
    f.TickAfter(first - 1);
    EXPECT_EQ(f.host.Take(), (Log{"idle"})) << "the page stays its reading time";
    f.TickAfter(1);
    EXPECT_EQ(f.host.Take(), (Log{"idle", "speak:[there]"}));
    f.TickAfter(BalloonReadingTime({u"there"}));
    f.TickAfter(BalloonReadingTime({u"friend"}));
    EXPECT_EQ(f.host.Take(), (Log{"idle", "speak:[friend]", "idle", "balloon gone", "complete 1"}));
    EXPECT_FALSE(f.engine.IsQueued(1));
    f.TickAfter(100);
    EXPECT_EQ(f.host.Take(), (Log{"start 2", "think:[hmm]", "idle"}));
}

TEST(BalloonRequests, EmptyTextCompletesAtOnceAndAStoppedBalloonGoesAtOnce) {
    Fixture f;
    f.engine.Append(Balloon(1, RequestKind::Speak, u"  "));
    f.engine.Append(Balloon(2, RequestKind::Speak, u"Hello"));
    f.engine.Append(Balloon(3, RequestKind::Speak, u"Bye"));
    f.engine.Tick();
    EXPECT_EQ(f.host.Take(), (Log{"start 1", "complete 1", "idle"}));
    f.TickAfter(100);
    EXPECT_EQ(f.host.Take(), (Log{"start 2", "speak:[Hello]", "idle"}));
    f.engine.Stop(0);
    EXPECT_EQ(f.host.Take(), (Log{"balloon gone", "complete 2"}));
    f.TickAfter(100);
    f.engine.StopAll();
    EXPECT_EQ(f.host.Take(), (Log{"start 3", "speak:[Bye]", "idle", "balloon gone"}));
    f.TickAfter(100);
    EXPECT_EQ(f.host.Take(), (Log{"idle"}));
}

TEST(StateRequests, ShowShowsTheWindowFirstAndHideHidesItAfterItsAnimation) {
    Fixture f;
    f.player.SetPosition({300, 200});
    f.engine.Append(InPlace(1, RequestKind::Show, "Wave"));
    f.engine.Append(InPlace(2, RequestKind::Hide, "Wave"));
    f.engine.Tick();
    EXPECT_EQ(f.host.Take(), (Log{"show window", "start 1", "busy"}));
    f.TickAfter(100);
    f.TickAfter(100);
    EXPECT_EQ(f.host.Take(), (Log{"busy", "complete 1", "busy"}));
    f.TickAfter(100);
    f.TickAfter(100);
    f.TickAfter(100);
    EXPECT_EQ(f.host.Take(), (Log{"start 2", "busy", "busy", "hide window", "complete 2", "busy"}));
    EXPECT_FLOAT_EQ(f.player.Position().x, 300.0f) << "in place";
}

TEST(Idling, AfterTheDelayAnIdleAnimationPlaysWithoutEventsAndARequestEndsIt) {
    Fixture f;
    f.engine.SetIdle({"Blink", "Yawn"}, 5000, 7);
    f.TickAfter(4900);
    EXPECT_FALSE(f.engine.IsIdling());
    f.TickAfter(100);
    EXPECT_TRUE(f.engine.IsIdling());
    EXPECT_TRUE(f.player.AnimationName() == "Blink" || f.player.AnimationName() == "Yawn");
    EXPECT_EQ(f.host.Take(), (Log{"idle", "busy"})) << "no request events";

    f.engine.Append(InPlace(1, RequestKind::Play, "Wave"));
    f.TickAfter(10);
    EXPECT_FALSE(f.engine.IsIdling());
    EXPECT_EQ(f.player.AnimationName(), "Wave");
    EXPECT_EQ(f.host.Take(), (Log{"start 1", "busy"}));

    // The delay counts again from the end of the request; off means never.
    f.TickAfter(200);
    f.TickAfter(4900);
    EXPECT_FALSE(f.engine.IsIdling());
    f.engine.SetIdle({});
    f.TickAfter(60000);
    EXPECT_FALSE(f.engine.IsIdling());
}

TEST(Idling, EveryNameIsChosenSometimes) {
    Fixture f;
    f.engine.SetIdle({"Blink", "Yawn"}, 1000, 3);
    std::vector<std::string> played;
    for (int i = 0; i < 40 && played.size() < 2; ++i) {
        f.TickAfter(1000);
        if (f.engine.IsIdling() && std::find(played.begin(), played.end(), f.player.AnimationName()) == played.end()) {
            played.push_back(f.player.AnimationName());
        }
        f.TickAfter(300);
    }
    EXPECT_EQ(played.size(), 2u);
}
