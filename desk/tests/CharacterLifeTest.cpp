#include <gtest/gtest.h>

#include <map>

#include "CharacterLife.h"

using namespace desk;

namespace {

constexpr uint64_t kSecond = 1000;
const LifeTimings kTimings;
const DeskRect kArea{0, 0, 1920, 1040};
constexpr CharacterBox kBox{-80, -190, 80, 10};

LifeMoment At(uint64_t nowMs, uint64_t userIdleMs = 0, DeskPoint position = {800, 600}) {
    LifeMoment moment;
    moment.nowMs = nowMs;
    moment.userIdleMs = userIdleMs;
    moment.position = position;
    moment.box = kBox;
    moment.workArea = kArea;
    return moment;
}

const std::vector<std::string> kPip{"Kick", "IdleLook", "idlestretch", "Sleep", "Stand", "Walk", "WalkLeft", "Idle"};

// What the character does over an hour of an active user, looked at every second.
std::map<std::string, int> AnHourOfLife(CharacterLife& life, uint64_t& turns) {
    std::map<std::string, int> done;
    life.Restart(0);
    for (uint64_t now = 0; now < 3600 * kSecond; now += kSecond) {
        if (auto step = life.Look(At(now))) {
            ++done[step->animation];
            ++turns;
        }
    }
    return done;
}

}  // namespace

TEST(desk_Life, TheConventionPicksAnimationsByTheirNames) {
    const LifeAnimations found = LifeAnimations::From(kPip);
    EXPECT_EQ(found.idles, (std::vector<std::string>{"IdleLook", "idlestretch"}));  // "Idle" alone is no idle
    EXPECT_EQ(found.walk, "Walk");
    EXPECT_EQ(found.walkLeft, "WalkLeft");
    EXPECT_EQ(found.sleep, "Sleep");
    EXPECT_TRUE(LifeAnimations::From({"Stand", "Wave"}).idles.empty());
}

TEST(desk_Life, AnActiveUsersCharacterIdlesAndWalksNowAndThen) {
    CharacterLife life(LifeAnimations::From(kPip), kTimings, 7);
    uint64_t turns = 0;
    const auto done = AnHourOfLife(life, turns);
    // One turn every 20 to 45 s: between 80 and 180 an hour.
    EXPECT_GE(turns, 3600 / 45);
    EXPECT_LE(turns, 3600 / 20 + 1);
    EXPECT_GT(done.count("IdleLook") + done.count("idlestretch"), 1u);
    const int walks = (done.count("Walk") ? done.at("Walk") : 0) + (done.count("WalkLeft") ? done.at("WalkLeft") : 0);
    EXPECT_GT(walks, static_cast<int>(turns) / 10);
    EXPECT_LT(walks, static_cast<int>(turns) / 2);
    EXPECT_EQ(done.count("Sleep"), 0u);
    EXPECT_EQ(done.count("Kick"), 0u);
}

TEST(desk_Life, NothingHappensBeforeTheFirstTurnNorWhileTheUserIsBusyWithIt) {
    CharacterLife life(LifeAnimations::From(kPip), kTimings, 1);
    life.Restart(0);
    EXPECT_FALSE(life.Look(At(kTimings.firstTurnMs - 1)));
    LifeMoment busy = At(kTimings.firstTurnMs);
    busy.busy = true;
    EXPECT_FALSE(life.Look(busy));
    EXPECT_FALSE(life.Look(At(kTimings.firstTurnMs + 1)));  // the turn went by
    EXPECT_TRUE(life.Look(At(kTimings.firstTurnMs + kTimings.turnGapMaxMs)));
}

TEST(desk_Life, ItSleepsWhileTheUserIsAwayAndWakesWhenTheyComeBack) {
    CharacterLife life(LifeAnimations::From(kPip), kTimings, 3);
    life.Restart(0);
    const uint64_t away = kTimings.userAwayMs;
    EXPECT_FALSE(life.Look(At(away - 1, away - 1)) && life.Asleep());
    const auto sleep = life.Look(At(away, away));
    ASSERT_TRUE(sleep);
    EXPECT_EQ(sleep->animation, "Sleep");
    EXPECT_TRUE(life.Asleep());
    EXPECT_FALSE(life.Look(At(away + 10 * kSecond, away + 10 * kSecond)));  // sleeps on its last picture
    const auto again = life.Look(At(away + kTimings.sleepAgainMs, away + kTimings.sleepAgainMs));
    ASSERT_TRUE(again);
    EXPECT_EQ(again->animation, "Sleep");
    const auto awake = life.Look(At(away + kTimings.sleepAgainMs + kSecond, 0));  // a key: awake at once
    ASSERT_TRUE(awake);
    EXPECT_NE(awake->animation, "Sleep");
    EXPECT_FALSE(life.Asleep());
}

TEST(desk_Life, QuietStopsEverythingAndStartsTheCountAgainWhenItEnds) {
    CharacterLife life(LifeAnimations::From(kPip), kTimings, 5);
    life.Restart(0);
    life.SetQuiet(true, 0);
    for (uint64_t now = 0; now < 3600 * kSecond; now += 10 * kSecond) EXPECT_FALSE(life.Look(At(now, now)));
    life.SetQuiet(false, 3600 * kSecond);
    EXPECT_FALSE(life.Look(At(3600 * kSecond + kTimings.firstTurnMs - 1)));
    EXPECT_TRUE(life.Look(At(3600 * kSecond + kTimings.firstTurnMs)));
}

TEST(desk_Life, AWalkStaysWithinReachAndWholeOnTheWorkArea) {
    std::mt19937 random(11);
    for (const DeskPoint from : {DeskPoint{800, 600}, DeskPoint{85, 195}, DeskPoint{1835, 1025}}) {
        for (int i = 0; i < 200; ++i) {
            const DeskPoint to = WalkDestination(from, kBox, kArea, 400, random);
            EXPECT_LE(std::labs(to.x - from.x), 400);
            EXPECT_LE(std::labs(to.y - from.y), 400);
            EXPECT_GE(to.x + kBox.left, kArea.left);
            EXPECT_LE(to.x + kBox.right, kArea.right);
            EXPECT_GE(to.y + kBox.top, kArea.top);
            EXPECT_LE(to.y + kBox.bottom, kArea.bottom);
        }
    }
    // No room on the area for the window: no walk.
    const DeskPoint stay = WalkDestination({50, 50}, kBox, {0, 0, 100, 100}, 400, random);
    EXPECT_EQ(stay.x, 50);
}

TEST(desk_Life, ACharacterWithoutLifeAnimationsStandsStill) {
    CharacterLife life(LifeAnimations::From({"Stand", "Wave"}), kTimings, 9);
    uint64_t turns = 0;
    AnHourOfLife(life, turns);
    EXPECT_EQ(turns, 0u);
    EXPECT_FALSE(life.Look(At(7200 * kSecond, 7200 * kSecond)));  // no Sleep to play
}
