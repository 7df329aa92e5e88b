// The portable state that two threads share: the player's position (client thread and tick),
// the request queue (IsQueued from the client's thread while the tick runs) and the log name.
// These also run under ThreadSanitizer (the native-tsan preset).
#include <gtest/gtest.h>

#include <atomic>
#include <random>
#include <set>
#include <string>
#include <thread>
#include <vector>

#include "CAnimationPlayer.h"
#include "CCharacterModel.h"
#include "CRequestEngine.h"
#include "CharacterMessages.h"
#include "Log.h"

namespace {

CCharacterModel StillModel() {
    CCharacterModel model;
    CAnimation still;
    for (int i = 0; i < 3; ++i) {
        CFrame frame;
        frame.displayTime = 20;
        still.frames.push_back(frame);
    }
    model.FileAnimation("Still", still);
    CAnimation walk = still;
    for (CFrame& frame : walk.frames) frame.shift = {2.0f, 0.0f};
    model.FileAnimation("Walk", walk);
    return model;
}

// Steps a still animation again and again, counting steps, until told to stop.
class Stepper {
public:
    explicit Stepper(const CCharacterModel& model) : m_player(&model) {}
    CAnimationPlayer& Player() { return m_player; }
    uint64_t Steps() const { return m_steps.load(); }
    void Run(const std::atomic<bool>& stop) {
        uint32_t tick = 0;
        while (!stop.load()) {
            if (!m_player.IsRunning()) {
                m_player.Prepare("Still", 0.0f, 0.0f, true);
                m_player.Start(tick);
            }
            m_player.Step(tick += 7);
            m_steps.fetch_add(1);
        }
    }

private:
    CAnimationPlayer m_player;
    std::atomic<uint64_t> m_steps{0};
};

TEST(Concurrency, APositionSetWhileTheTickStepsIsKeptWhole) {
    const CCharacterModel model = StillModel();
    Stepper stepper(model);
    std::atomic<bool> stop{false};
    std::thread tick([&] { stepper.Run(stop); });
    int lost = 0, torn = 0;
    for (int i = 1; i <= 3000; ++i) {
        const float value = static_cast<float>(i);
        stepper.Player().SetPosition(PointF{value, -value});
        // Two whole steps later, a still animation has moved nothing: the position is the one set.
        const uint64_t seen = stepper.Steps();
        while (stepper.Steps() < seen + 2) std::this_thread::yield();
        const PointF now = stepper.Player().Position();
        if (now.x != -now.y) ++torn;
        if (now.x != value) ++lost;
    }
    stop.store(true);
    tick.join();
    EXPECT_EQ(lost, 0) << "positions overwritten by a step that read the one before";
    EXPECT_EQ(torn, 0) << "x of one position with y of another";
}

// Y set by the client while the tick walks along x: no step of x is ever undone.
TEST(Concurrency, OneCoordinateSetWhileTheTickWalksKeepsTheOther) {
    const CCharacterModel model = StillModel();
    CAnimationPlayer player(&model);
    std::atomic<bool> stop{false};
    std::atomic<int> steps{0};
    int undone = 0;  // steps that found x behind where the step before had left it
    std::thread tick([&] {
        float lastX = 0.0f;
        for (uint32_t time = 0; !stop.load(); time += 7) {
            if (!player.IsRunning()) {
                player.Prepare("Walk", 0.0f, 0.0f, true);  // one pass in place, again and again
                player.Start(time);
            }
            const float before = player.Position().x;
            player.Step(time);
            if (before < lastX) ++undone;
            lastX = player.Position().x;
            steps.fetch_add(1);
        }
    });
    for (int i = 0; i < 200000 || steps.load() < 100000; ++i) player.SetPositionY(static_cast<float>(i % 1000));
    stop.store(true);
    tick.join();
    EXPECT_EQ(undone, 0) << "a step of x overwritten by a Y put that read the position before it";
    EXPECT_GT(player.Position().x, 0.0f) << "the walk went on meanwhile";
    const float walked = player.Position().x;
    player.SetPositionY(42.0f);
    player.SetPositionX(-5.0f);
    EXPECT_EQ(player.Position().y, 42.0f);
    player.SetPositionY(7.0f);
    EXPECT_EQ(player.Position().x, -5.0f);
    EXPECT_NE(walked, -5.0f);
}

TEST(Concurrency, TheTickNeverSeesHalfAPositionSet) {
    const CCharacterModel model = StillModel();
    CAnimationPlayer player(&model);
    std::atomic<bool> stop{false};
    std::atomic<int> torn{0};
    std::thread reader([&] {
        while (!stop.load()) {
            const FrameRectangle rect = player.CurrentFrameRect();
            if (rect.left != -rect.top) torn.fetch_add(1);
        }
    });
    for (int i = 0; i < 200000; ++i) player.SetPosition(PointF{static_cast<float>(i), static_cast<float>(-i)});
    stop.store(true);
    reader.join();
    EXPECT_EQ(torn.load(), 0);
}

// Records, on the tick thread, which IDs started and completed; finished IDs are published
// for the client's thread only after the engine has let them go.
class PublishingHost : public IRequestHost {
public:
    static constexpr int kIds = 2000;
    uint32_t now = 0;
    std::vector<int> starts = std::vector<int>(kIds + 1, 0);
    std::vector<int> completions = std::vector<int>(kIds + 1, 0);
    std::vector<std::atomic<bool>> finished = std::vector<std::atomic<bool>>(kIds + 1);
    uint32_t TickCount() override { return now; }
    void Notify(unsigned notification, int32_t id) override {
        if (id <= 0 || id > kIds) return;
        if (notification == CRN_REQUESTSTART) ++starts[static_cast<size_t>(id)];
        if (notification == CRN_REQUESTCOMPLETE) {
            ++completions[static_cast<size_t>(id)];
            finished[static_cast<size_t>(id)].store(true, std::memory_order_release);
        }
    }
    void PlaySound(const std::string&) override {}
    void PresentBusy() override {}
    void PresentIdle() override {}
};

Request Make(int32_t id, const char* name, bool travel) {
    Request request;
    request.id = id;
    request.animationName = name;
    request.destinationX = travel ? 40 : 0;
    request.isShift = travel;
    return request;
}

// The tick thread's random mix of appends, ticks, stops of current, queued and unknown IDs,
// and StopAll (whose dropped IDs it publishes as finished after the call).
void DriveEngine(CRequestEngine& engine, PublishingHost& host, std::atomic<int>& appended) {
    std::mt19937 random(7);
    std::vector<int32_t> queued;
    for (int32_t id = 1; id <= PublishingHost::kIds;) {
        const unsigned action = random() % 10;
        if (action < 4) {
            engine.Append(Make(id, random() % 3 == 0 ? "Missing" : (random() % 2 ? "Walk" : "Still"), random() % 2));
            queued.push_back(id);
            appended.store(id++, std::memory_order_release);
        } else if (action < 8) {
            host.now += 10;
            engine.Tick();
        } else if (action == 8 && !queued.empty()) {
            engine.Stop(random() % 2 ? 0 : queued[random() % queued.size()]);
            engine.Stop(PublishingHost::kIds + 100);  // unknown: nothing happens
        } else if (action == 9 && random() % 8 == 0) {
            engine.StopAll();
            for (int32_t dropped : queued) host.finished[static_cast<size_t>(dropped)].store(true, std::memory_order_release);
            queued.clear();
        }
    }
    engine.StopAll();
    for (int32_t dropped : queued) host.finished[static_cast<size_t>(dropped)].store(true, std::memory_order_release);
}

TEST(Concurrency, IsQueuedFromTheClientWhileTheTickAppendsStopsAndTicks) {
    const CCharacterModel model = StillModel();
    CAnimationPlayer player(&model);
    CCharacterScene scene;
    PublishingHost host;
    CRequestEngine engine(model, player, scene, host);
    std::atomic<int> appended{0};
    std::atomic<bool> done{false};
    int queuedAfterFinish = 0, unknownQueued = 0;
    std::thread client([&] {
        std::mt19937 random(11);
        while (!done.load()) {
            const int last = appended.load(std::memory_order_acquire);
            if (last == 0) continue;
            const int32_t id = 1 + static_cast<int32_t>(random() % static_cast<unsigned>(last));
            const bool wasFinished = host.finished[static_cast<size_t>(id)].load(std::memory_order_acquire);
            if (wasFinished && engine.IsQueued(id)) ++queuedAfterFinish;
            if (engine.IsQueued(-id) || engine.IsQueued(PublishingHost::kIds + 1)) ++unknownQueued;
            engine.QueuedCount();
        }
    });
    DriveEngine(engine, host, appended);
    done.store(true);
    client.join();
    EXPECT_EQ(queuedAfterFinish, 0) << "an ID reported finished was still queued";
    EXPECT_EQ(unknownQueued, 0);
    EXPECT_EQ(engine.QueuedCount(), 0u);
    // Every ID completed once or was dropped by StopAll; none started or completed twice.
    int twice = 0, lost = 0;
    for (size_t id = 1; id <= PublishingHost::kIds; ++id) {
        if (host.completions[id] > 1 || host.starts[id] > 1) ++twice;
        if (!host.finished[id].load()) ++lost;
    }
    EXPECT_EQ(twice, 0);
    EXPECT_EQ(lost, 0);
}

TEST(Concurrency, LogNamesSetFromSeveralThreadsAreNeverMixed) {
    std::vector<std::string> names;
    for (int k = 0; k < 4; ++k) names.push_back(std::string(static_cast<size_t>(10 + 30 * k), static_cast<char>('a' + k)) + ".log");
    const std::set<std::string> allowed(names.begin(), names.end());
    std::atomic<int> mixed{0};
    std::vector<std::thread> threads;
    for (int k = 0; k < 4; ++k) {
        threads.emplace_back([&, k] {
            for (int i = 0; i < 2000; ++i) {
                SetLogFileName(names[static_cast<size_t>(k)].c_str());
                if (allowed.count(LogFileName()) == 0 || LogFileNameSet() != 1) mixed.fetch_add(1);
            }
        });
    }
    for (std::thread& thread : threads) thread.join();
    EXPECT_EQ(mixed.load(), 0);
    EXPECT_EQ(allowed.count(LogFileName()), 1u);
}

}  // namespace
