// The picture's place in the frame window and the marks of anchor and origins.
#include <gtest/gtest.h>

#include "CFrame.h"
#include "PointMarks.h"
#include "TestModels.h"

namespace {

CFrame FrameWithPicture(int width, int height) {
    CFrame frame;
    frame.image = CBryDIB(testing_models::PatternBlock(width, height, 24));
    return frame;
}

}  // namespace

TEST(PointMarks, ThePictureIsCentredWithTruncatedHalves) {
    const PicturePosition p = CentredPicture(FrameWithPicture(31, 20), 101, 60);
    EXPECT_EQ(p.x, 50 - 15);
    EXPECT_EQ(p.y, 30 - 10);
}

TEST(PointMarks, AnchorFirstThenOriginsInKeyOrder) {
    CFrame frame = FrameWithPicture(40, 40);
    frame.anchor = {10.5f, 20.0f};
    frame.SetOrigin("ball", {1, 2});
    frame.SetOrigin("Ball", {3, 4});
    const auto marks = PointMarks(frame, "Pip", 140, 140);  // picture at (50, 50)
    ASSERT_EQ(marks.size(), 3u);
    EXPECT_EQ(marks[0].name, "Pip");
    EXPECT_EQ(marks[1].name, "Ball");
    EXPECT_EQ(marks[2].name, "ball");
    // Anchor at (60.5, 70): ring (55, 65)-(65, 75), name to the upper right.
    EXPECT_EQ(marks[0].box.left, 55);
    EXPECT_EQ(marks[0].box.top, 65);
    EXPECT_EQ(marks[0].box.right, 65);
    EXPECT_EQ(marks[0].box.bottom, 75);
    EXPECT_EQ(marks[0].labelX, 65);
    EXPECT_EQ(marks[0].labelY, 65);
    // Origin "Ball" at (53, 54): name to the lower left.
    EXPECT_EQ(marks[1].labelX, 48);
    EXPECT_EQ(marks[1].labelY, 59);
}

TEST(PointMarks, NegativeCornersTruncateTowardZero) {
    CFrame frame = FrameWithPicture(10, 10);
    frame.anchor = {-7.5f, 2.5f};
    const auto marks = PointMarks(frame, "A", 10, 10);  // picture at (0, 0)
    ASSERT_EQ(marks.size(), 1u);
    EXPECT_EQ(marks[0].box.left, -12);
    EXPECT_EQ(marks[0].box.right, -2);
    EXPECT_EQ(marks[0].box.top, -2);
    EXPECT_EQ(marks[0].box.bottom, 7);
}

TEST(PointMarks, AFrameWithoutAPictureHasNoMarks) {
    CFrame frame;
    frame.SetOrigin("ball", {0, 0});
    EXPECT_TRUE(PointMarks(frame, "Pip", 100, 100).empty());
}

TEST(HitTest, BoxesIncludeTopLeftAndExcludeBottomRight) {
    CFrame frame = FrameWithPicture(20, 20);
    frame.anchor = {10, 10};
    const auto marks = PointMarks(frame, "Pip", 20, 20);  // anchor at (10, 10): box (5, 5)-(15, 15)
    EXPECT_EQ(HitMark(marks, 5, 5), std::optional<std::string>("Pip"));
    EXPECT_EQ(HitMark(marks, 14.9f, 14.9f), std::optional<std::string>("Pip"));
    EXPECT_FALSE(HitMark(marks, 15, 10).has_value());
    EXPECT_FALSE(HitMark(marks, 10, 15).has_value());
    EXPECT_FALSE(HitMark(marks, 4.9f, 10).has_value());
}

TEST(HitTest, TheLastMarkContainingThePointWins) {
    CFrame frame = FrameWithPicture(20, 20);
    frame.anchor = {10, 10};
    frame.SetOrigin("b", {14, 10});
    frame.SetOrigin("a", {12, 10});
    const auto marks = PointMarks(frame, "Pip", 20, 20);
    EXPECT_EQ(HitMark(marks, 11, 10), std::optional<std::string>("b")) << "anchor, a and b all contain it";
    EXPECT_EQ(HitMark(marks, 7.5f, 10), std::optional<std::string>("a"));
    EXPECT_EQ(HitMark(marks, 5.5f, 10), std::optional<std::string>("Pip"));
}
