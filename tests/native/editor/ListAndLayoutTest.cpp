// The main dialog's selection after a refresh, and the frame window's control column.
#include <gtest/gtest.h>

#include "AnimationListRefresh.h"
#include "CCharacterModel.h"
#include "ControlColumnLayout.h"

TEST(ListRefresh, KeepsTheSelectedIndexWhileItExists) {
    EXPECT_EQ(RefreshedSelection(1, 3), std::optional<size_t>(1));
    EXPECT_EQ(RefreshedSelection(0, 1), std::optional<size_t>(0));
}

TEST(ListRefresh, FallsBackToTheLastItem) {
    EXPECT_EQ(RefreshedSelection(2, 2), std::optional<size_t>(1)) << "the selected last item went away";
    EXPECT_EQ(RefreshedSelection(std::nullopt, 4), std::optional<size_t>(3)) << "nothing was selected";
}

TEST(ListRefresh, AnEmptyListHasNoSelection) {
    EXPECT_FALSE(RefreshedSelection(0, 0).has_value());
    EXPECT_FALSE(RefreshedSelection(std::nullopt, 0).has_value());
}

TEST(ListRefresh, NamesComeInKeyOrder) {
    CCharacterModel character;
    for (const char* name : {"walk", "Run", "Walk"}) character.FileAnimation(name, CAnimation());
    EXPECT_EQ(AnimationNames(character), (std::vector<std::string>{"Run", "Walk", "walk"}));
}

TEST(ControlColumn, AQuarterOfANarrowWindow) {
    const ControlColumn column = LayoutControlColumn(400, 300);
    // m = max(200, 200) = 200, left = 300, width 100; h = min(75, 100) = 75.
    EXPECT_EQ(column.frameList.x, 300);
    EXPECT_EQ(column.frameList.width, 100);
    EXPECT_EQ(column.frameList.height, 75);
    EXPECT_EQ(column.displayTime.y, 76);
    EXPECT_EQ(column.sound.y, 106);
    EXPECT_EQ(column.sound.height, 20);
}

TEST(ControlColumn, HundredPixelsWideBeyondFourHundred) {
    for (int cx : {401, 640, 1913}) {
        const ControlColumn column = LayoutControlColumn(cx, 1000);
        EXPECT_EQ(column.frameList.width, 100) << cx;
        EXPECT_EQ(column.frameList.x + column.frameList.width, cx) << "at the right edge";
        EXPECT_EQ(column.frameList.height, 100) << "the list is at most 100 pixels high";
        EXPECT_EQ(column.displayTime.x, column.frameList.x);
        EXPECT_EQ(column.displayTime.width, 100);
    }
}

TEST(ControlColumn, OddSizesTruncate) {
    const ControlColumn column = LayoutControlColumn(101, 39);
    // m = max(50, -99) = 50, left = 50 + 51 / 2 = 75, width 26; h = 9.
    EXPECT_EQ(column.frameList.x, 75);
    EXPECT_EQ(column.frameList.width, 26);
    EXPECT_EQ(column.frameList.height, 9);
    EXPECT_EQ(column.displayTime.y, 10);
    EXPECT_EQ(column.sound.y, 40);
}

TEST(ControlColumn, FollowsTheMonitorsScaleSoThatTheFieldsHoldALineOfTheDialogFont) {
    const ControlColumn at175 = LayoutControlColumn(1913, 1000, 168);
    EXPECT_EQ(at175.frameList.width, 175);
    EXPECT_EQ(at175.frameList.x + at175.frameList.width, 1913);
    EXPECT_EQ(at175.frameList.height, 175);
    // The dialog's 8-point font is 19 pixels at 168 DPI; an edit field adds its border and margins.
    const int fontHeight = (8 * 168 + 36) / 72;
    EXPECT_GE(at175.displayTime.height, fontHeight + 8);
    EXPECT_GE(at175.displayTime.y, at175.frameList.height);
    EXPECT_GE(at175.sound.y, at175.displayTime.y + at175.displayTime.height) << "the fields do not overlap";
    EXPECT_EQ(LayoutControlColumn(1913, 1000, 96).sound.y, LayoutControlColumn(1913, 1000).sound.y);
    EXPECT_EQ(ScaledForDpi(20, 120), 25);
    EXPECT_EQ(ScaledForDpi(31, 168), 54);
    EXPECT_EQ(RescaledForDpi(147, 168, 96), 84) << "the animation dialog's reserved area, back at 100 %";
    EXPECT_EQ(RescaledForDpi(84, 96, 144), 126);
    EXPECT_EQ(RescaledForDpi(84, 0, 144), 84);
}
