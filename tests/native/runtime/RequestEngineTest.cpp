// The request engine of the tick, step by step, over a recording host and fake partners.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "CCharacterModel.h"
#include "CRequestEngine.h"
#include "CharacterMessages.h"
#include "PictureDecoder.h"

namespace {

struct Event {
    std::string what;
    int32_t id = 0;
    friend bool operator==(const Event& a, const Event& b) { return a.what == b.what && a.id == b.id; }
};

std::ostream& operator<<(std::ostream& out, const Event& e) { return out << e.what << "(" << e.id << ")"; }

class RecordingHost : public IRequestHost {
public:
    uint32_t now = 1000;
    std::vector<Event> events;
    uint32_t TickCount() override { return now; }
    void Notify(unsigned notification, int32_t id) override {
        events.push_back({notification == CRN_REQUESTSTART ? "start" : notification == CRN_REQUESTCOMPLETE ? "complete" : "other", id});
    }
    void PlaySound(const std::string& name) override { events.push_back({"sound:" + name, 0}); }
    void PresentBusy() override { events.push_back({"busy", 0}); }
    void PresentIdle() override { events.push_back({"idle", 0}); }
    std::vector<Event> Take() { return std::exchange(events, {}); }
};

class FakePartner : public IRequestPartner {
public:
    explicit FakePartner(std::vector<std::string>& log) : m_log(log) {}
    void SetVisible(bool visible) override { m_log.push_back(visible ? "show" : "hide"); }
    void SetPosition(int32_t x, int32_t y) override {
        m_log.push_back("place " + std::to_string(x) + "," + std::to_string(y));
    }

private:
    std::vector<std::string>& m_log;
};

CFrame Frame(float shiftX, uint32_t time, const std::string& sound = "") {
    CFrame frame;
    frame.shift = {shiftX, 0};
    frame.displayTime = time;
    frame.sound = sound;
    std::vector<uint8_t> pixels(4 * 4 * 3, 0);
    frame.image = CBryDIB(DibFromPixels(pixels.data(), 4, 4, 3));
    return frame;
}

CCharacterModel TestModel() {
    CCharacterModel model;
    CAnimation wave;
    wave.frames = {Frame(0, 100, "hi.wav"), Frame(0, 100)};
    model.FileAnimation("Wave", wave);
    CAnimation walk;
    walk.frames = {Frame(5, 100), Frame(5, 100)};
    model.FileAnimation("Walk", walk);
    CAnimation kick = wave;
    kick.frames.back().SetOrigin("ball", {12, 30});
    kick.frames.back().anchor = {0, 0};
    model.FileAnimation("Kick", kick);
    return model;
}

Request Make(int32_t id, const std::string& name, int32_t x = 0, int32_t y = 0, bool shift = false) {
    Request request;
    request.id = id;
    request.animationName = name;
    request.destinationX = x;
    request.destinationY = y;
    request.isShift = shift;
    return request;
}

struct EngineFixture {
    EngineFixture() : model(TestModel()), player(&model), engine(model, player, scene, host) {}
    void TickAfter(uint32_t ms) {
        host.now += ms;
        engine.Tick();
    }
    CCharacterModel model;
    CAnimationPlayer player;
    CCharacterScene scene;
    RecordingHost host;
    CRequestEngine engine;
};

}  // namespace

TEST(RequestEngine, IdleTicksPresentTheSavedPicture) {
    EngineFixture f;
    f.engine.Tick();
    EXPECT_EQ(f.host.Take(), (std::vector<Event>{{"idle", 0}}));
}

TEST(RequestEngine, RequestsRunOneAfterAnotherAndTheNextStartsATickLater) {
    EngineFixture f;
    f.engine.Append(Make(1, "Wave"));
    f.engine.Append(Make(2, "Wave"));
    f.engine.Tick();
    EXPECT_EQ(f.host.Take(), (std::vector<Event>{{"start", 1}, {"busy", 0}}));
    f.TickAfter(100);
    EXPECT_EQ(f.host.Take(), (std::vector<Event>{{"sound:hi.wav", 0}, {"busy", 0}}));
    f.TickAfter(100);
    EXPECT_EQ(f.host.Take(), (std::vector<Event>{{"complete", 1}, {"busy", 0}}));
    f.TickAfter(100);
    EXPECT_EQ(f.host.Take(), (std::vector<Event>{{"start", 2}, {"busy", 0}}));
    EXPECT_TRUE(f.engine.IsQueued(2));
    EXPECT_FALSE(f.engine.IsQueued(1));
}

TEST(RequestEngine, TravelRequestsWalkToTheirDestination) {
    EngineFixture f;
    f.player.SetPosition({0, 0});
    f.engine.Append(Make(1, "Walk", 30, 0, true));
    f.engine.Tick();
    for (int i = 0; i < 6; ++i) f.TickAfter(100);
    EXPECT_FLOAT_EQ(f.player.Position().x, 30.0f);
    const std::vector<Event> events = f.host.Take();
    ASSERT_EQ(events.size(), 9u) << "start, a busy present per tick, the completion in the sixth step";
    EXPECT_EQ(events.at(7), (Event{"complete", 1}));
    f.engine.Append(Make(2, "Walk", 1000, 0, false));  // one pass in place, however far
    f.TickAfter(100);
    f.TickAfter(200);
    EXPECT_FLOAT_EQ(f.player.Position().x, 40.0f);
    EXPECT_EQ(f.host.Take().back(), (Event{"busy", 0}));
    EXPECT_FALSE(f.engine.IsQueued(2));
}

TEST(RequestEngine, StopTheCurrentAQueuedAndAnUnknownRequest) {
    EngineFixture f;
    f.engine.Stop(0);
    EXPECT_TRUE(f.host.Take().empty()) << "nothing to stop";
    f.engine.Append(Make(1, "Wave"));
    f.engine.Append(Make(2, "Walk", 500, 0, true));
    f.engine.Append(Make(3, "Wave"));
    f.engine.Tick();
    f.host.Take();
    f.engine.Stop(2);
    f.engine.Stop(77);
    EXPECT_EQ(f.host.Take(), (std::vector<Event>{{"complete", 2}}));
    f.engine.Stop(0);
    EXPECT_EQ(f.host.Take(), (std::vector<Event>{{"complete", 1}}));
    EXPECT_FALSE(f.engine.InProgress());
    f.TickAfter(100);
    EXPECT_EQ(f.host.Take(), (std::vector<Event>{{"start", 3}, {"busy", 0}}));
    EXPECT_EQ(f.player.AnimationName(), "Wave");
    EXPECT_EQ(f.player.FrameIndex(), 0) << "the next request plays from its first frame";
}

TEST(RequestEngine, StopAllDropsEverythingSilently) {
    EngineFixture f;
    for (int32_t id = 1; id <= 3; ++id) f.engine.Append(Make(id, "Wave"));
    f.engine.Tick();
    f.host.Take();
    f.engine.StopAll();
    EXPECT_TRUE(f.host.Take().empty());
    EXPECT_EQ(f.engine.QueuedCount(), 0u);
    EXPECT_FALSE(f.engine.IsQueued(2));
    f.TickAfter(100);
    EXPECT_EQ(f.host.Take(), (std::vector<Event>{{"idle", 0}}));
}

TEST(RequestEngine, MissingAnimationCompletesWithoutStartOrPresent) {
    EngineFixture f;
    f.engine.Append(Make(1, "Nothing"));
    f.engine.Append(Make(2, "Wave"));
    f.engine.Tick();
    EXPECT_EQ(f.host.Take(), (std::vector<Event>{{"complete", 1}}));
    f.TickAfter(100);
    EXPECT_EQ(f.host.Take().front(), (Event{"start", 2}));
}

TEST(RequestEngine, RefusedPrepareStartsAndCompletesInOneTickOnThePreviousPicture) {
    EngineFixture f;
    f.engine.Append(Make(1, "Wave"));
    f.engine.Tick();
    f.TickAfter(300);
    f.host.Take();
    const Surface before = f.scene.Saved();
    f.player.SetPosition({100, 0});
    f.engine.Append(Make(2, "Walk", 10, 0, true));  // walks right, destination left
    f.TickAfter(100);
    EXPECT_EQ(f.host.Take(), (std::vector<Event>{{"start", 2}, {"complete", 2}, {"busy", 0}}));
    EXPECT_EQ(f.scene.Back().Pixels(), before.Pixels());
}

TEST(RequestEngine, CommonAnimationHidesThePartnerAndPlacesItAtTheBall) {
    EngineFixture f;
    std::vector<std::string> log;
    auto partner = std::make_shared<FakePartner>(log);
    std::weak_ptr<FakePartner> watch = partner;
    Request request = Make(1, "Kick", 9999, 9999, true);
    request.partner = std::move(partner);
    f.engine.Append(std::move(request));
    f.player.SetPosition({500.7f, 300.2f});
    f.engine.Tick();
    EXPECT_EQ(log, (std::vector<std::string>{"hide"}));
    f.TickAfter(200);
    EXPECT_EQ(log, (std::vector<std::string>{"hide", "place 512,330", "show"}));
    EXPECT_FLOAT_EQ(f.player.Position().x, 500.7f) << "played once in place";
    EXPECT_TRUE(watch.expired()) << "the request released its partner";
}

TEST(RequestEngine, CommonAnimationWithoutBallStillShowsThePartner) {
    EngineFixture f;
    std::vector<std::string> log;
    Request request = Make(1, "Wave");
    request.partner = std::make_shared<FakePartner>(log);
    f.engine.Append(std::move(request));
    f.engine.Tick();
    f.TickAfter(200);
    EXPECT_EQ(log, (std::vector<std::string>{"hide", "show"}));
}

TEST(RequestEngine, StoppedCommonAnimationLeavesThePartnerHidden) {
    EngineFixture f;
    std::vector<std::string> log;
    auto partner = std::make_shared<FakePartner>(log);
    std::weak_ptr<FakePartner> watch = partner;
    Request request = Make(1, "Kick");
    request.partner = std::move(partner);
    f.engine.Append(std::move(request));
    f.engine.Tick();
    f.engine.Stop(1);
    EXPECT_EQ(log, (std::vector<std::string>{"hide"}));
    EXPECT_TRUE(watch.expired());
}

TEST(RequestEngine, MissingAnimationLeavesTheLastPresentedPictureInTheBackSurface) {
    EngineFixture f;
    f.engine.Append(Make(1, "Wave"));
    f.engine.Tick();
    f.scene.SaveBack();  // what the presenter keeps of a presented picture
    const Surface presented = f.scene.Saved();
    f.engine.Append(Make(2, "Nothing"));
    f.TickAfter(300);
    f.TickAfter(100);
    EXPECT_EQ(f.host.Take().back(), (Event{"complete", 2}));
    EXPECT_EQ(f.scene.Back().Pixels(), presented.Pixels()) << "a paint before the next tick shows the last picture";
}

namespace {

// A partner whose calls let messages through, as a real one does: here a Stop of the request
// (or of everything) arrives while the partner is being hidden or shown.
class InterruptingPartner : public IRequestPartner {
public:
    std::function<void()> onCall;
    void SetVisible(bool) override { Interrupt(); }
    void SetPosition(int32_t, int32_t) override { Interrupt(); }

private:
    void Interrupt() {
        if (auto action = std::exchange(onCall, nullptr)) action();
    }
};

// Asks the queue (and so takes its lock: held by the caller, this would never return) when its
// last reference goes.
class QueueAskingPartner : public IRequestPartner {
public:
    QueueAskingPartner(const CRequestEngine& engine, bool& stillQueued) : m_engine(engine), m_stillQueued(stillQueued) {}
    ~QueueAskingPartner() override { m_stillQueued = m_engine.IsQueued(1); }
    void SetVisible(bool) override {}
    void SetPosition(int32_t, int32_t) override {}

private:
    const CRequestEngine& m_engine;
    bool& m_stillQueued;
};

}  // namespace

TEST(RequestEngine, AStopArrivingWhileThePartnerIsCalledLeavesNothingDangling) {
    for (const bool stopAll : {false, true}) {
        EngineFixture f;
        auto partner = std::make_shared<InterruptingPartner>();
        partner->onCall = [&] { stopAll ? f.engine.StopAll() : f.engine.Stop(1); };
        Request request = Make(1, "Kick");
        request.partner = partner;
        f.engine.Append(std::move(request));
        f.engine.Append(Make(2, "Wave"));
        f.engine.Tick();  // hiding the partner stops the request it belongs to
        EXPECT_FALSE(f.engine.IsQueued(1));
        EXPECT_FALSE(f.engine.InProgress());
        f.TickAfter(100);
        EXPECT_EQ(f.engine.IsQueued(2), !stopAll);
    }
    EngineFixture f;
    auto partner = std::make_shared<InterruptingPartner>();
    Request request = Make(1, "Kick");
    request.partner = partner;
    f.engine.Append(std::move(request));
    f.engine.Append(Make(2, "Wave"));
    f.engine.Tick();
    partner->onCall = [&] { f.engine.Stop(2); };  // placing the partner at the end lets a Stop in
    f.TickAfter(200);
    const std::vector<Event> events = f.host.Take();
    EXPECT_EQ(std::count(events.begin(), events.end(), Event{"complete", 1}), 1);
    EXPECT_EQ(std::count(events.begin(), events.end(), Event{"complete", 2}), 1);
    EXPECT_EQ(f.engine.QueuedCount(), 0u);
}

TEST(RequestEngine, APartnerIsLetGoOutsideTheQueueLock) {
    for (const bool stopAll : {false, true}) {
        EngineFixture f;
        bool stillQueued = true;
        Request request = Make(1, "Wave");
        request.partner = std::make_shared<QueueAskingPartner>(f.engine, stillQueued);
        f.engine.Append(std::move(request));
        stopAll ? f.engine.StopAll() : f.engine.Stop(1);
        EXPECT_FALSE(stillQueued);
    }
}
