// Surfaces on device contexts and window regions from runs.
#include "Win32Api.h"

#include <gtest/gtest.h>

#include <vector>

#include "RegionRuns.h"
#include "RuntimeConstants.h"
#include "Surface.h"
#include "SurfaceBlit.h"
#include "WindowRegion.h"

namespace {

// A 32-bit memory bitmap in a memory context, filled with one colour.
class MemoryCanvas {
public:
    MemoryCanvas(int width, int height, COLORREF fill) : m_dc(CreateCompatibleDC(nullptr)) {
        BITMAPINFO info{};
        info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
        info.bmiHeader.biWidth = width;
        info.bmiHeader.biHeight = height;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        void* bits = nullptr;
        m_bitmap.Reset(CreateDIBSection(m_dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
        m_previous = SelectObject(m_dc, m_bitmap.Get());
        const RECT all{0, 0, width, height};
        const HBRUSH brush = CreateSolidBrush(fill);
        FillRect(m_dc, &all, brush);
        DeleteObject(brush);
    }
    MemoryCanvas(const MemoryCanvas&) = delete;
    MemoryCanvas& operator=(const MemoryCanvas&) = delete;
    ~MemoryCanvas() {
        SelectObject(m_dc, m_previous);
        DeleteDC(m_dc);
    }
    HDC Dc() const { return m_dc; }

private:
    HDC m_dc;
    UniqueBitmap m_bitmap;
    HGDIOBJ m_previous = nullptr;
};

UniqueRegion RegionOneByOne(const std::vector<RunRect>& runs) {
    UniqueRegion all = EmptyRegion();
    for (const RunRect& run : runs) {
        const UniqueRegion one(CreateRectRgn(run.left, run.top, run.right, run.bottom));
        CombineRgn(all.Get(), all.Get(), one.Get(), RGN_OR);
    }
    return all;
}

}  // namespace

TEST(SurfaceBlit, TopRowLandsOnTopInItsOwnColours) {
    Surface surface(3, 2, KEY_COLOUR);
    surface.Set(0, 0, 0x123456);
    surface.Set(2, 1, 0xFF0080);
    MemoryCanvas canvas(10, 10, RGB(0, 0, 255));
    BlitSurface(canvas.Dc(), surface, 4, 5);
    EXPECT_EQ(GetPixel(canvas.Dc(), 4, 5), RGB(0x12, 0x34, 0x56));
    EXPECT_EQ(GetPixel(canvas.Dc(), 6, 6), RGB(0xFF, 0x00, 0x80));
    EXPECT_EQ(GetPixel(canvas.Dc(), 5, 5), RGB(175, 175, 175));
    EXPECT_EQ(GetPixel(canvas.Dc(), 3, 5), RGB(0, 0, 255)) << "nothing left of the surface";
    EXPECT_EQ(GetPixel(canvas.Dc(), 4, 7), RGB(0, 0, 255)) << "nothing below it";
}

TEST(WindowRegion, OneCallEqualsAddingRectanglesOneByOne) {
    // Runs of a ring-shaped picture, as the scene builds them, at an offset on the screen.
    Surface picture(kDrawingWidth, kDrawingHeight, KEY_COLOUR);
    for (int y = 0; y < kDrawingHeight; ++y) {
        for (int x = 0; x < kDrawingWidth; ++x) {
            const int dx = x - 80, dy = y - 100, d = dx * dx + dy * dy;
            if ((d < 70 * 70 && d > 40 * 40) || x == 159) picture.Set(x, y, 0x00FF00);
        }
    }
    std::vector<RunRect> runs;
    BuildRegionRuns(picture, 300, -20, KEY_COLOUR, runs);
    ASSERT_GT(runs.size(), 200u);
    const UniqueRegion fast = RegionFromRuns(runs);
    const UniqueRegion slow = RegionOneByOne(runs);
    ASSERT_TRUE(fast);
    EXPECT_TRUE(EqualRgn(fast.Get(), slow.Get()));
    RECT box{};
    EXPECT_EQ(GetRgnBox(fast.Get(), &box), COMPLEXREGION);
    EXPECT_EQ(box.left, 300 + 11);
    EXPECT_EQ(box.right, 300 + 160);
    EXPECT_EQ(box.top, -20);
    EXPECT_EQ(box.bottom, 180);
    EXPECT_TRUE(PtInRegion(fast.Get(), 300 + 159, 50));
    EXPECT_FALSE(PtInRegion(fast.Get(), 300 + 80, 80)) << "the ring's hole";
}

