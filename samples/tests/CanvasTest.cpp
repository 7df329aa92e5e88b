#include <gtest/gtest.h>

#include "Canvas.h"

namespace {

const Colour kRed{200, 30, 30};
const Colour kBlack{10, 10, 10};
const Rgb8 kRed8 = ToRgb8(kRed);

int PaintedCount(const Canvas& canvas) {
    int count = 0;
    for (int y = 0; y < canvas.Height(); ++y) {
        for (int x = 0; x < canvas.Width(); ++x) count += canvas.IsPainted(x, y);
    }
    return count;
}

}  // namespace

TEST(samples_Canvas, FilledEllipseCoversItsCentreButNotItsBoxCorners) {
    Canvas canvas(40, 30);
    canvas.Fill(Ellipse({20, 15}, {15, 10}), Flat(kRed));
    EXPECT_EQ(canvas.At(20, 15), kRed8);
    EXPECT_EQ(canvas.At(6, 15), kRed8);   // near the ends of the long axis
    EXPECT_EQ(canvas.At(20, 6), kRed8);
    for (const auto& [x, y] : {std::pair{6, 6}, {33, 6}, {6, 23}, {33, 23}}) {
        EXPECT_FALSE(canvas.IsPainted(x, y)) << x << "," << y;
        EXPECT_EQ(canvas.At(x, y), kKeyColour);
    }
    // Roughly the ellipse's area: pi * 15 * 10.
    EXPECT_NEAR(PaintedCount(canvas), 471, 20);
}

TEST(samples_Canvas, TurnedEllipseLiesAlongItsTurn) {
    Canvas canvas(40, 40);
    canvas.Fill(Ellipse({20, 20}, {16, 4}, kPi / 4), Flat(kRed));
    EXPECT_TRUE(canvas.IsPainted(29, 29));   // down-right along the long axis
    EXPECT_FALSE(canvas.IsPainted(29, 11));  // up-right, across it
}

TEST(samples_Canvas, SilhouetteIsNeverBlendedWithTheBackground) {
    Canvas canvas(30, 30);
    canvas.Fill(Ellipse({15.3f, 14.7f}, {9.6f, 7.2f}, 0.4f), Flat(kRed));
    canvas.Fill(Polygon({{2.2f, 3.1f}, {12.7f, 4.9f}, {5.3f, 12.4f}}), Flat(kRed));
    for (int y = 0; y < 30; ++y) {
        for (int x = 0; x < 30; ++x) {
            const Rgb8 c = canvas.At(x, y);
            EXPECT_TRUE(c == kRed8 || c == kKeyColour) << x << "," << y;
        }
    }
}

TEST(samples_Canvas, EdgesInsideTheCharacterAreSmoothed) {
    Canvas canvas(30, 30);
    canvas.Fill(Ellipse({15, 15}, {14, 14}), Flat(kRed));
    canvas.Fill(Ellipse({15.5f, 15.5f}, {6.3f, 6.3f}), Flat(kBlack));
    int mixed = 0;
    for (int y = 0; y < 30; ++y) {
        for (int x = 0; x < 30; ++x) {
            const Rgb8 c = canvas.At(x, y);
            mixed += c.r > 20 && c.r < 190;
        }
    }
    EXPECT_GT(mixed, 10);  // the black disc's rim is blended into the red
}

TEST(samples_Canvas, OutlineRingsTheFill) {
    Canvas canvas(30, 30);
    canvas.FillOutlined(Ellipse({15, 15}, {10, 10}), Flat(kRed), 2.0f, kBlack);
    EXPECT_EQ(canvas.At(15, 15), kRed8);
    EXPECT_EQ(canvas.At(15, 3), ToRgb8(kBlack));   // between radius 10 and 12
    EXPECT_EQ(canvas.At(26, 15), ToRgb8(kBlack));
    EXPECT_FALSE(canvas.IsPainted(15, 1));
}

TEST(samples_Canvas, InsideBlendOnlyTouchesPaintedPixels) {
    Canvas canvas(20, 20);
    canvas.Fill(Ellipse({5, 10}, {4, 4}), Flat(kRed));
    canvas.Fill(Ellipse({10, 10}, {8, 3}), Flat(kBlack), Blend::Inside);
    EXPECT_EQ(canvas.At(5, 10), ToRgb8(kBlack));
    EXPECT_FALSE(canvas.IsPainted(14, 10));
}

TEST(samples_Canvas, OpacityMixesWithWhatIsPainted) {
    Canvas canvas(10, 10);
    canvas.Fill(Polygon({{0, 0}, {10, 0}, {10, 10}, {0, 10}}), Flat({200, 0, 0}));
    canvas.Fill(Polygon({{0, 0}, {10, 0}, {10, 10}, {0, 10}}), Flat({0, 0, 100}), Blend::Normal, 0.25f);
    const Rgb8 c = canvas.At(5, 5);
    EXPECT_EQ(c.r, 150);
    EXPECT_EQ(c.b, 25);
}

TEST(samples_Canvas, ShapesOverTheEdgesAreClipped) {
    Canvas canvas(16, 12);
    canvas.Fill(Ellipse({0, 0}, {6, 6}), Flat(kRed));
    canvas.Fill(Capsule({-20, 11}, {40, 11}, 3), Flat(kRed));
    canvas.Fill(Polygon({{10, -5}, {30, -5}, {30, 30}}), Flat(kRed));
    EXPECT_TRUE(canvas.IsPainted(0, 0));
    EXPECT_TRUE(canvas.IsPainted(0, 11));
    EXPECT_TRUE(canvas.IsPainted(15, 11));
    EXPECT_TRUE(canvas.IsPainted(15, 0));
    EXPECT_FALSE(canvas.IsPainted(8, 5));
}

TEST(samples_Canvas, ShapesEntirelyOffTheCanvasPaintNothing) {
    Canvas canvas(16, 12);
    canvas.Fill(Ellipse({-30, 5}, {6, 6}), Flat(kRed));
    canvas.Fill(Ellipse({5, 300}, {60, 6}), Flat(kRed));
    canvas.Outline(Capsule({100, 100}, {200, 150}, 4), 2.0f, kBlack);
    EXPECT_EQ(PaintedCount(canvas), 0);
}

TEST(samples_Canvas, StrokeFollowsItsPoints) {
    Canvas canvas(20, 20);
    canvas.Stroke({{2, 2}, {17, 2}, {17, 17}}, 2.0f, kBlack);
    EXPECT_TRUE(canvas.IsPainted(10, 2));
    EXPECT_TRUE(canvas.IsPainted(17, 10));
    EXPECT_FALSE(canvas.IsPainted(10, 10));
}

TEST(samples_Canvas, RgbBytesKeepPaintedPixelsOffTheKeyColour) {
    Canvas canvas(4, 1);
    canvas.Fill(Polygon({{0, 0}, {2, 0}, {2, 1}, {0, 1}}), Flat(ToColour(kKeyColour)));
    const std::vector<uint8_t> bytes = canvas.RgbBytes();
    ASSERT_EQ(bytes.size(), 12u);
    for (int x = 0; x < 4; ++x) {
        const Rgb8 c{bytes[3 * x], bytes[3 * x + 1], bytes[3 * x + 2]};
        if (x < 2) {
            EXPECT_NE(c, kKeyColour) << x;
            EXPECT_LE(std::abs(c.r - kKeyColour.r) + std::abs(c.g - kKeyColour.g) + std::abs(c.b - kKeyColour.b), 1);
        } else {
            EXPECT_EQ(c, kKeyColour) << x;
        }
    }
}

TEST(samples_Canvas, EnclosedGapsAreFilledOpenOnesAreNot) {
    Canvas canvas(30, 20);
    // A closed ring on the left, a ring broken open at the bottom on the right.
    canvas.Outline(Ellipse({8, 10}, {4, 4}), 2.0f, kBlack);
    canvas.Fill(Ellipse({8, 10}, {4, 4}), Flat(kRed));
    canvas.Fill(Ellipse({8, 10}, {1.5f, 1.5f}), Flat(ToColour(kKeyColour)));  // painted, so not a gap
    canvas.Stroke({{18, 18}, {18, 4}, {26, 4}, {26, 18}}, 2.0f, kBlack);
    Canvas ring(20, 20);
    ring.Stroke({{4, 4}, {15, 4}, {15, 15}, {4, 15}, {4, 4}}, 2.0f, kBlack);
    ring.FillEnclosedGaps(kRed);
    canvas.FillEnclosedGaps(kRed);
    EXPECT_EQ(ring.At(10, 10), kRed8);
    EXPECT_FALSE(ring.IsPainted(1, 1));
    EXPECT_FALSE(canvas.IsPainted(22, 10));
    EXPECT_EQ(canvas.At(8, 10), kKeyColour);  // what was painted stays as it was
}

TEST(samples_Canvas, MirrorSwapsLeftAndRight) {
    Canvas canvas(10, 4);
    canvas.Fill(Polygon({{0, 0}, {3, 0}, {3, 4}, {0, 4}}), Flat(kRed));
    canvas.MirrorHorizontally();
    EXPECT_FALSE(canvas.IsPainted(1, 2));
    EXPECT_TRUE(canvas.IsPainted(8, 2));
    EXPECT_EQ(canvas.At(7, 0), kRed8);
    EXPECT_EQ(canvas.At(6, 0), kKeyColour);
}

TEST(samples_Shape, GrowingWidensEveryShape) {
    const Ellipse ellipse({0, 0}, {5, 3});
    const Capsule capsule({0, 0}, {10, 0}, 2, 1);
    const Polygon square({{0, 0}, {4, 0}, {4, 4}, {0, 4}});
    EXPECT_FALSE(ellipse.Contains({0, 3.8f}, 0));
    EXPECT_TRUE(ellipse.Contains({0, 3.8f}, 1));
    EXPECT_FALSE(capsule.Contains({10, 1.5f}, 0));  // thin end
    EXPECT_TRUE(capsule.Contains({0, 1.5f}, 0));    // thick end
    EXPECT_TRUE(capsule.Contains({10, 1.5f}, 1));
    EXPECT_FALSE(square.Contains({5, 2}, 0));
    EXPECT_TRUE(square.Contains({5, 2}, 1.5f));
    EXPECT_FALSE(square.Contains({6, 6}, 1.5f));  // the corner is rounded off
}

TEST(samples_Shape, PolygonFillsByTheEvenOddRule) {
    // A five-pointed star drawn in one stroke leaves its pentagon centre empty.
    std::vector<Vec2> star;
    for (int i = 0; i < 5; ++i) {
        const float a = -kPi / 2 + i * 4 * kPi / 5;
        star.push_back({10 + 9 * std::cos(a), 10 + 9 * std::sin(a)});
    }
    const Polygon polygon(star);
    EXPECT_FALSE(polygon.Contains({10, 10}, 0));
    EXPECT_TRUE(polygon.Contains({10, 3}, 0));
}

TEST(samples_Shape, BoundsHoldTheWholeTurnedShape) {
    const Ellipse ellipse({20, 20}, {12, 3}, 0.7f);
    const Box box = ellipse.Bounds(1.0f);
    for (int i = 0; i < 360; ++i) {
        const float a = i * kPi / 180;
        const Vec2 rim = Vec2{20, 20} + Rotate({13 * std::cos(a), 4 * std::sin(a)}, 0.7f);
        EXPECT_GE(rim.x, box.left - 1e-3f);
        EXPECT_LE(rim.x, box.right + 1e-3f);
        EXPECT_GE(rim.y, box.top - 1e-3f);
        EXPECT_LE(rim.y, box.bottom + 1e-3f);
    }
    EXPECT_LT(box.right - box.left, 2 * 13.0f);  // tighter than the unturned box
}
