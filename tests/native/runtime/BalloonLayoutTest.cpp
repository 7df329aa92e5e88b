// The balloon's text in lines and pages, its reading time, and its place on a work area.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "BalloonPlacement.h"
#include "BalloonText.h"

namespace {

using Lines = std::vector<std::u16string>;

BalloonGeometry Geometry(int32_t width, int32_t height) {
    BalloonGeometry geometry;
    geometry.bodyWidth = width;
    geometry.bodyHeight = height;
    geometry.tailLength = 16;
    geometry.tailHalfWidth = 6;
    geometry.cornerRadius = 10;
    return geometry;
}

bool Inside(const ScreenRect& inner, const ScreenRect& outer) {
    return inner.left >= outer.left && inner.top >= outer.top && inner.right <= outer.right &&
           inner.bottom <= outer.bottom;
}

}  // namespace

TEST(BalloonText, WrapsAtSpacesCutsLongWordsAndKeepsLineBreaks) {
    EXPECT_EQ(WrapBalloonText(u"the quick brown fox jumps", 10), (Lines{u"the quick", u"brown fox", u"jumps"}));
    EXPECT_EQ(WrapBalloonText(u"  spaced    out  ", 20), (Lines{u"spaced out"}));
    EXPECT_EQ(WrapBalloonText(u"abcdefghijklmnopqrstuvwxy z", 10), (Lines{u"abcdefghij", u"klmnopqrst", u"uvwxy z"}));
    EXPECT_EQ(WrapBalloonText(u"one\r\ntwo\nthree four", 20), (Lines{u"one", u"two", u"three four"}));
    EXPECT_EQ(WrapBalloonText(u"exactly10c exactly10c", 10), (Lines{u"exactly10c", u"exactly10c"}));
    EXPECT_TRUE(WrapBalloonText(u"", 10).empty());
    EXPECT_TRUE(WrapBalloonText(u" \n\t ", 10).empty());
}

TEST(BalloonText, NeverSplitsASurrogatePair) {
    // Eight letters, then an emoji (two units) that a cut at 9 units would split.
    const std::u16string text = u"abcdefgh\U0001F600xyz";
    const Lines lines = WrapBalloonText(text, 9);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0], u"abcdefgh");
    EXPECT_EQ(lines[1], u"\U0001F600xyz");
    // A line length of 1 still makes progress on a pair.
    EXPECT_EQ(WrapBalloonText(u"\U0001F600", 1).size(), 2u);
}

TEST(BalloonText, PagesHoldNumberOfLinesAndTheReadingTimeGrowsWithTheText) {
    const Lines lines{u"1", u"2", u"3", u"4", u"5", u"6", u"7"};
    const std::vector<BalloonPage> pages = PageBalloonLines(lines, 3);
    ASSERT_EQ(pages.size(), 3u);
    EXPECT_EQ(pages[0], (BalloonPage{u"1", u"2", u"3"}));
    EXPECT_EQ(pages[2], (BalloonPage{u"7"}));
    EXPECT_TRUE(PageBalloonLines({}, 3).empty());

    EXPECT_EQ(BalloonReadingTime({u"hello", u"world"}), 1500u + 10u * 60u);
    EXPECT_EQ(BalloonReadingTime({std::u16string(1000, u'x')}), 15000u) << "a page stays 15 s at most";
}

TEST(BalloonPlacement, AboveTheFrameWithTheTailAtItsCentre) {
    const ScreenRect work{0, 0, 1280, 1024};
    const BalloonPlacement p = PlaceBalloon({500, 400, 660, 600}, Geometry(200, 60), work);
    EXPECT_FALSE(p.below);
    EXPECT_EQ(p.body, (ScreenRect{480, 324, 680, 384}));
    EXPECT_EQ(p.tailBase, (ScreenPoint{580, 384}));
    EXPECT_EQ(p.tailTip, (ScreenPoint{580, 400})) << "the tip touches the frame's top";
    EXPECT_EQ(p.window, (ScreenRect{480, 324, 680, 401}));
}

TEST(BalloonPlacement, BelowAtTheTopEdgeAndWholeOnTheSecondMonitor) {
    // At the top of the monitor: no room above, so below with the tail pointing up.
    const ScreenRect first{0, 0, 1280, 1024};
    const BalloonPlacement top = PlaceBalloon({500, 10, 660, 210}, Geometry(200, 60), first);
    EXPECT_TRUE(top.below);
    EXPECT_EQ(top.body.top, 210 + 16);
    EXPECT_EQ(top.tailTip, (ScreenPoint{580, 210}));
    EXPECT_TRUE(Inside(top.window, first));

    // At the right edge of a second monitor to the right of the first: the body moves left
    // onto it and the tail keeps clear of the body's corner, leaning toward the character.
    const ScreenRect second{1280, 0, 2304, 768};
    const BalloonPlacement right = PlaceBalloon({2250, 300, 2410, 500}, Geometry(200, 60), second);
    EXPECT_EQ(right.body.right, 2304);
    EXPECT_TRUE(Inside(right.window, second));
    EXPECT_EQ(right.tailBase.x, 2304 - 16);
    EXPECT_EQ(right.tailTip.x, 2303);

    // A character partly above the monitor: the balloon and its tail stay on the work area.
    const BalloonPlacement off = PlaceBalloon({500, -160, 540, -110}, Geometry(200, 60), first);
    EXPECT_TRUE(off.below);
    EXPECT_EQ(off.body.top, 0);
    EXPECT_TRUE(Inside(off.window, first));

    // No room above or below: on the side with more room, still on the work area.
    const BalloonPlacement squeezed = PlaceBalloon({100, 20, 260, 740}, Geometry(200, 60), second);
    EXPECT_TRUE(Inside(squeezed.body, second));
}

TEST(BalloonPlacement, ABalloonWiderThanTheWorkAreaStartsAtItsLeftEdge) {
    const BalloonPlacement p = PlaceBalloon({100, 300, 260, 500}, Geometry(900, 40), {0, 0, 800, 600});
    EXPECT_EQ(p.body.left, 0);
    EXPECT_EQ(p.body.right, 900);
    // Extreme coordinates stay in range.
    const BalloonPlacement far =
        PlaceBalloon({2147483000, 2147483000, 2147483600, 2147483600}, Geometry(200, 60), {0, 0, 800, 600});
    EXPECT_TRUE(Inside(far.body, {0, 0, 800, 600}));
}
