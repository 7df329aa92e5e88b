#include <gtest/gtest.h>

#include "ScreenPlacement.h"

using namespace desk;

namespace {

// A 160 x 200 window whose reference point is at (80, 190) inside it.
constexpr CharacterBox kBox{-80, -190, 80, 10};
const DeskRect kPrimary{0, 0, 1920, 1040};
const DeskRect kRightOfIt{1920, 0, 3200, 1024};

}  // namespace

TEST(desk_ScreenPlacement, APlaceWholeOnAnyWorkAreaStays) {
    EXPECT_EQ(KeepOnScreen({500, 600}, kBox, {kPrimary, kRightOfIt}).x, 500);
    const DeskPoint onSecond = KeepOnScreen({2500, 900}, kBox, {kPrimary, kRightOfIt});
    EXPECT_EQ(onSecond.x, 2500);
    EXPECT_EQ(onSecond.y, 900);
}

TEST(desk_ScreenPlacement, AMonitorThatIsGoneGivesItsCharactersToTheNearestArea) {
    // Saved on a right-hand monitor that is unplugged now: onto the primary's right edge.
    const DeskPoint moved = KeepOnScreen({2500, 900}, kBox, {kPrimary});
    EXPECT_EQ(moved.x, 1920 - 80);
    EXPECT_EQ(moved.y, 900);
    // Far above and left of everything: into the top-left corner.
    const DeskPoint corner = KeepOnScreen({-5000, -5000}, kBox, {kPrimary, kRightOfIt});
    EXPECT_EQ(corner.x, 80);
    EXPECT_EQ(corner.y, 190);
}

TEST(desk_ScreenPlacement, AWindowAcrossTwoAreasGoesWholeOntoTheOneItOverlapsMost) {
    // 100 pixels on the primary, 60 on the second: it goes left onto the primary.
    const DeskPoint moved = KeepOnScreen({1920 - 100 + 80, 500}, kBox, {kPrimary, kRightOfIt});
    EXPECT_EQ(moved.x, 1920 - 80);
    // Below the taskbar's top: up onto the work area.
    EXPECT_EQ(KeepOnScreen({400, 1039}, kBox, {kPrimary}).y, 1040 - 10);
}

TEST(desk_ScreenPlacement, AnAreaSmallerThanTheWindowKeepsItsTopLeftCorner) {
    const DeskPoint moved = KeepOnScreen({500, 500}, kBox, {{0, 0, 100, 100}});
    EXPECT_EQ(moved.x, 80);
    EXPECT_EQ(moved.y, 190);
    EXPECT_EQ(KeepOnScreen({-7, 9}, kBox, {}).x, -7);  // no areas known: nothing to go by
}

TEST(desk_ScreenPlacement, BringBackUsesThePrimaryAreaOnly) {
    const DeskPoint fromSecond = BringBack({2500, 600}, kBox, kPrimary);
    EXPECT_EQ(fromSecond.x, 1920 - 80);
    const DeskPoint already = BringBack({300, 300}, kBox, kPrimary);
    EXPECT_EQ(already.x, 300);
    EXPECT_EQ(already.y, 300);
}
