// Fifty characters on one client thread under a random mix of every request member: each
// RequestStart is followed by exactly one RequestComplete, no ID completes twice, nothing is
// lost but what StopAll discards, and a watchdog ends the run if the client thread deadlocks.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <random>

#include "Bstr.h"
#include "StressCharacters.h"
#include "StressScale.h"
#include "Watchdog.h"

using namespace component_tests;
using namespace stress;

namespace {

constexpr DWORD kStopAllQuietMs = 250;
constexpr LONG kUnknownId = 0x3FFFFFFF;

class ManyCharactersTest : public testing::Test {
protected:
    void SetUp() override {
        SetFileList({Files().hero, Files().ball});
        engine = CreateEngine();
        ASSERT_TRUE(engine);
        crowd = LoadCrowd(engine.Get(), CurrentScale().characters);
        ASSERT_EQ(static_cast<int>(crowd.size()), CurrentScale().characters);
    }
    void TearDown() override {
        DisconnectCrowd(crowd);
        crowd.clear();
        engine.Reset();
        SetFileList({});
    }

    StressCharacter& Pick() { return *crowd[random() % crowd.size()]; }
    void Issue(StressCharacter& member, LONG id) {
        if (id <= 0) return;
        member.ledger.Issued(id);
    }
    void PlayOnce(StressCharacter& member);
    void PlayTravel(StressCharacter& member);
    void PlayCommon(StressCharacter& member);
    void StopSome(StressCharacter& member);
    void StopEverything(StressCharacter& member);
    void WaitWithoutBlocking(StressCharacter& member);
    void MoveAndShow(StressCharacter& member);
    void RandomOperation();

    std::mt19937 random{20240607};
    Watchdog watchdog{std::chrono::seconds(60)};
    com::ComPtr<IGraphicEngine> engine;
    std::vector<std::unique_ptr<StressCharacter>> crowd;
    int waitsChecked = 0;
};

void ManyCharactersTest::PlayOnce(StressCharacter& member) {
    static const wchar_t* const names[] = {L"Wave", L"Kick", L"Stand", L"Empty", L"walk"};
    const com::Bstr name(names[random() % 5]);
    LONG id = 0;
    watchdog.Beat("Play (once)");
    ASSERT_EQ(member.character->Play(name.Get(), 0, 0, 0, &id), S_OK);
    Issue(member, id);
}

// Walk travels along x only, to 5 to 60 pixels beside where the character is when asked. By the
// time the request starts the character may stand exactly there (two travels to one place in
// a row), and that walk must end too.
void ManyCharactersTest::PlayTravel(StressCharacter& member) {
    LONG x = 0, y = 0;
    member.character->get_X(&x);
    member.character->get_Y(&y);
    const com::Bstr name(L"Walk");
    const LONG distance = 5 + static_cast<LONG>(random() % 56);
    LONG id = 0;
    watchdog.Beat("Play (travel)");
    ASSERT_EQ(member.character->Play(name.Get(), x + (random() % 2 ? distance : -distance), y, 1, &id), S_OK);
    Issue(member, id);
}

void ManyCharactersTest::PlayCommon(StressCharacter& member) {
    StressCharacter& partner = Pick();
    if (&partner == &member) return;
    const com::Bstr name(L"Kick");
    LONG id = 0;
    watchdog.Beat("PlayCommonAnimation");
    ASSERT_EQ(member.character->PlayCommonAnimation(name.Get(), partner.character.Get(), &id), S_OK);
    Issue(member, id);
}

// The current request, a request that may still be queued, or an ID never given out.
void ManyCharactersTest::StopSome(StressCharacter& member) {
    const int issued = member.ledger.IssuedCount();
    const unsigned kind = random() % 3;
    const LONG id = kind == 0 ? 0 : kind == 1 && issued > 0 ? issued - static_cast<LONG>(random() % 3) : kUnknownId;
    watchdog.Beat("Stop");
    ASSERT_EQ(member.character->Stop(id), S_OK);
}

// StopAll is posted: requests sent before it is handled are dropped with the rest, so the
// character gets no requests for a while, and the ledger lets those it got before the
// StopAll was seen behind them end without events.
void ManyCharactersTest::StopEverything(StressCharacter& member) {
    watchdog.Beat("StopAll");
    ASSERT_EQ(member.character->StopAll(), S_OK);
    member.ledger.StopAllCalled();
    member.quietUntil = GetTickCount() + kStopAllQuietMs;
}

// An ID that is not queued (never given, or completed and seen so) answers 1 at once.
void ManyCharactersTest::WaitWithoutBlocking(StressCharacter& member) {
    LONG id = kUnknownId;
    const int issued = member.ledger.IssuedCount();
    if (issued > 0 && member.ledger.HasCompleted(issued)) id = issued;
    LONG cause = -1;
    watchdog.Beat("WaitForRequest");
    const DWORD start = GetTickCount();
    ASSERT_EQ(member.character->WaitForRequest(id, &cause), S_OK);
    EXPECT_EQ(cause, 1) << "request " << id << " is not queued";
    EXPECT_LT(GetTickCount() - start, 1000u) << "a wait for a request that is not queued returns at once";
    ++waitsChecked;
}

void ManyCharactersTest::MoveAndShow(StressCharacter& member) {
    static const LONG zOrders[] = {-1, -2, 0, 1};
    watchdog.Beat("SetPosition, Visible, ZOrder");
    switch (random() % 3) {
    case 0: {  // near where it is, so that walks stay short
        LONG x = 0, y = 0;
        member.character->get_X(&x);
        member.character->get_Y(&y);
        const LONG dx = static_cast<LONG>(random() % 101) - 50, dy = static_cast<LONG>(random() % 101) - 50;
        ASSERT_EQ(member.character->SetPosition(std::clamp<LONG>(x + dx, 0, 1100), std::clamp<LONG>(y + dy, 60, 900)), S_OK);
        break;
    }
    case 1:
        ASSERT_EQ(member.character->put_Visible(static_cast<LONG>(random() % 2)), S_OK);
        break;
    default:
        ASSERT_EQ(member.character->put_ZOrder(zOrders[random() % 4]), S_OK);
        break;
    }
}

void ManyCharactersTest::RandomOperation() {
    StressCharacter& member = Pick();
    const unsigned roll = random() % 100;
    const bool quiet = GetTickCount() < member.quietUntil;
    if (roll < 25) {
        if (!quiet) PlayTravel(member);
    } else if (roll < 45) {
        if (!quiet) PlayOnce(member);
    } else if (roll < 53) {
        if (!quiet) PlayCommon(member);
    } else if (roll < 73) {
        StopSome(member);
    } else if (roll < 75) {
        StopEverything(member);
    } else if (roll < 80) {
        WaitWithoutBlocking(member);
    } else {
        MoveAndShow(member);
    }
}

int Outstanding(const std::vector<std::unique_ptr<StressCharacter>>& crowd) {
    int open = 0;
    for (const auto& member : crowd) open += member->ledger.Outstanding();
    return open;
}

}  // namespace

TEST_F(ManyCharactersTest, RandomRequestsCompleteOnceEachAndNothingIsLost) {
    MessageBoxWatcher boxes;
    const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(CurrentScale().operationSeconds);
    int operations = 0;
    while (std::chrono::steady_clock::now() < end && !HasFatalFailure()) {
        RandomOperation();
        ++operations;
        watchdog.Beat("dispatching events");
        PumpFor(operations % 8 == 0 ? 5 : 0);
    }
    const auto drained = [&] {
        watchdog.Beat("waiting for the queues to drain");
        return Outstanding(crowd) == 0;
    };
    EXPECT_TRUE(PumpUntil(drained, 120000)) << Outstanding(crowd) << " requests still open";
    PumpFor(300);  // late events would be faults too
    int issued = 0, completed = 0, discarded = 0;
    for (size_t i = 0; i < crowd.size(); ++i) {
        const auto& member = crowd[i];
        for (const std::string& fault : member->ledger.Faults()) ADD_FAILURE() << "c" << i << ", " << fault;
        issued += member->ledger.IssuedCount();
        completed += member->ledger.CompletedCount();
        discarded += member->ledger.DiscardedCount();
    }
    EXPECT_GT(issued, 200) << "the mix issued too few requests to prove anything";
    EXPECT_EQ(completed + discarded, issued);
    EXPECT_TRUE(boxes.Boxes().empty()) << "no request of the mix shows a box";
    std::printf("stress: %d operations, %d requests: %d completed, %d discarded by StopAll, %d waits\n",
                operations, issued, completed, discarded, waitsChecked);
}

TEST_F(ManyCharactersTest, WaitForRequestSeesEachCompletionOfAQuietCrowd) {
    for (int round = 0; round < 6; ++round) {
        StressCharacter& member = Pick();
        const com::Bstr name(round % 2 ? L"Wave" : L"Kick");
        LONG id = 0, cause = -1;
        watchdog.Beat("Play before WaitForRequest");
        ASSERT_EQ(member.character->Play(name.Get(), 0, 0, 0, &id), S_OK);
        member.ledger.Issued(id);
        watchdog.Beat("WaitForRequest on a queued request");
        ASSERT_EQ(member.character->WaitForRequest(id, &cause), S_OK);
        EXPECT_EQ(cause, 0);
        EXPECT_TRUE(member.ledger.HasCompleted(id)) << "RequestComplete fires before the wait returns";
    }
    for (const auto& member : crowd) {
        for (const std::string& fault : member->ledger.Faults()) ADD_FAILURE() << fault;
    }
}

// Every walking character posts a Move at each tick; the wait lets them all through, so the
// completion behind them is seen long before the wait's 30-second limit.
TEST_F(ManyCharactersTest, WaitForRequestSeesTheCompletionWhileTheCrowdWalks) {
    const com::Bstr walk(L"Walk");
    for (const auto& member : crowd) {
        LONG x = 0, y = 0, id = 0;
        member->character->get_X(&x);
        member->character->get_Y(&y);
        watchdog.Beat("Play of a long walk");
        ASSERT_EQ(member->character->Play(walk.Get(), x + 5000, y, 1, &id), S_OK);
        member->ledger.Issued(id);
    }
    PumpFor(1000);  // the crowd is walking and the client's queue fills with moves
    StressCharacter& member = Pick();
    const com::Bstr wave(L"Wave");
    LONG id = 0, cause = -1;
    ASSERT_EQ(member.character->Play(wave.Get(), 0, 0, 0, &id), S_OK);
    member.ledger.Issued(id);
    ASSERT_EQ(member.character->Stop(0), S_OK);  // ends its walk, so that the wave comes next
    watchdog.Beat("WaitForRequest while the crowd walks");
    const DWORD start = GetTickCount();
    ASSERT_EQ(member.character->WaitForRequest(id, &cause), S_OK);
    const DWORD waited = GetTickCount() - start;
    EXPECT_EQ(cause, 0) << "the wave completed during the wait";
    EXPECT_TRUE(member.ledger.HasCompleted(id));
    EXPECT_LT(waited, 4000u) << "the wait keeps up with the notifications of the crowd (one message a slice took 10 s)";
    std::printf("wait while %zu characters walk: %lu ms\n", crowd.size(), static_cast<unsigned long>(waited));
    for (const auto& walker : crowd) {
        ASSERT_EQ(walker->character->StopAll(), S_OK);
        walker->ledger.StopAllCalled();
    }
    PumpFor(500);
}
