// What a character puts on the screen, read back from the screen itself: the window follows
// the reference point, shows the picture's pixels and lets the desktop through its key colour.
#include "Win32Api.h"

#include <gtest/gtest.h>

#include <string>

#include "CharacterMessages.h"
#include "BackdropWindow.h"
#include "LiveCharacter.h"
#include "ScopedHandles.h"
#include "TestCharacters.h"

using test_characters::IsKeyPixel;
using test_characters::kAnchor;
using test_characters::kPictureHeight;
using test_characters::kPictureWidth;
using test_characters::PicturePixel;

namespace {

constexpr COLORREF kBackdropColour = RGB(20, 40, 230);

COLORREF ToColorRef(uint32_t rgb) { return RGB((rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF); }

RECT WindowRect(HWND window) {
    RECT rect{};
    GetWindowRect(window, &rect);
    return rect;
}

// Waits for the window's left edge to reach a value; tells the value it had otherwise.
::testing::AssertionResult LeftBecomes(HWND window, LONG left) {
    if (PumpUntil([&] { return WindowRect(window).left == left; }, 2000)) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "left edge stayed at " << WindowRect(window).left << ", expected " << left;
}

// Compares sampled screen pixels of the picture placed with its top-left at (left, top);
// gives the first mismatch, or an empty string.
std::string ScreenMismatch(int left, int top) {
    const WindowDc screen(nullptr);
    for (int y = 0; y < kPictureHeight; y += 3) {
        for (int x = 0; x < kPictureWidth; ++x) {
            const COLORREF expected = IsKeyPixel(x, y) ? kBackdropColour : ToColorRef(PicturePixel(x, y));
            const COLORREF shown = GetPixel(screen.Get(), left + x, top + y);
            if (shown != expected) {
                return "picture pixel (" + std::to_string(x) + ", " + std::to_string(y) + ") shows " +
                       std::to_string(shown) + ", expected " + std::to_string(expected);
            }
        }
    }
    return std::string();
}

// Pixels of the drawing area that the picture does not cover show the desktop.
void ExpectDesktopAround(int left, int top) {
    const WindowDc screen(nullptr);
    EXPECT_EQ(GetPixel(screen.Get(), left + kPictureWidth + 5, top + 10), kBackdropColour);
    EXPECT_EQ(GetPixel(screen.Get(), left + 150, top + 190), kBackdropColour);
    EXPECT_EQ(GetPixel(screen.Get(), left + 10, top + kPictureHeight + 3), kBackdropColour);
}

void ExpectPictureOnScreen(int left, int top) {
    std::string mismatch;
    PumpUntil([&] { return (mismatch = ScreenMismatch(left, top)).empty(); }, 3000);
    EXPECT_EQ(mismatch, "");
    ExpectDesktopAround(left, top);
}

// The region of the picture's non-key pixels with its top-left at (left, top), pixel by pixel.
UniqueRegion PictureRegion(int left, int top) {
    UniqueRegion all(CreateRectRgn(0, 0, 0, 0));
    for (int y = 0; y < kPictureHeight; ++y) {
        for (int x = 0; x < kPictureWidth; ++x) {
            if (IsKeyPixel(x, y)) continue;
            const UniqueRegion pixel(CreateRectRgn(left + x, top + y, left + x + 1, top + y + 1));
            CombineRgn(all.Get(), all.Get(), pixel.Get(), RGN_OR);
        }
    }
    return all;
}

CharacterThreadOptions RegionMode() {
    CharacterThreadOptions options;
    options.forceRegionMode = true;
    return options;
}

}  // namespace

TEST(LayeredScreen, WindowFollowsTheReferencePoint) {
    LiveCharacter character;
    const HWND window = character.Window();
    character.Body().SetPosition(300.0f, 400.0f);
    RECT rect = WindowRect(window);
    EXPECT_EQ(rect.left, 300) << "before any frame the rectangle is empty at the reference point";
    EXPECT_EQ(rect.top, 400);
    // The completion is posted before the tick presents, so the move follows it closely.
    character.PlayInPlace(1, L"stand");
    ASSERT_TRUE(character.WaitForCompletion(1));
    EXPECT_TRUE(LeftBecomes(window, 300 - static_cast<int>(kAnchor.x)));
    rect = WindowRect(window);
    EXPECT_EQ(rect.top, 400 - static_cast<int>(kAnchor.y));
    EXPECT_EQ(rect.right - rect.left, 160);
    EXPECT_EQ(rect.bottom - rect.top, 200);

    character.Body().SetPosition(500.9f, 300.0f);
    rect = WindowRect(window);
    EXPECT_EQ(rect.left, 480) << "set position moves a layered window at once";
    EXPECT_EQ(rect.top, 240);

    character.Play(2, L"walk", 500, 300, 0);
    ASSERT_TRUE(character.WaitForCompletion(2));
    EXPECT_TRUE(LeftBecomes(window, 510));

    character.Body().SetReferencePoint(100.0f, 150.0f);
    EXPECT_TRUE(LeftBecomes(window, 80)) << "an idle tick follows";
    EXPECT_EQ(WindowRect(window).top, 90);
}

TEST(LayeredScreen, ShowsThePictureAndTheDesktopThroughTheKeyColour) {
    const BackdropWindow backdrop(kBackdropColour);
    LiveCharacter character;
    character.ShowAt(300.0f, 400.0f);
    ExpectPictureOnScreen(280, 340);
    COLORREF key = 0;
    BYTE alpha = 0;
    DWORD flags = 0;
    ASSERT_TRUE(GetLayeredWindowAttributes(character.Window(), &key, &alpha, &flags));
    EXPECT_EQ(key, RGB(175, 175, 175));
    EXPECT_EQ(flags, static_cast<DWORD>(LWA_COLORKEY));

    character.Body().SetPosition(600.0f, 500.0f);
    ExpectPictureOnScreen(580, 440);
}

// An idle tick presents only when the picture would move; the screen keeps showing it.
void ExpectIdlePresentsOnlyChanges(CharacterThreadOptions options) {
    const BackdropWindow backdrop(kBackdropColour);
    LiveCharacter character(options);
    character.ShowAt(300.0f, 400.0f);
    const unsigned shown = character.Body().PresentCount();
    PumpFor(650);  // six idle ticks
    EXPECT_EQ(character.Body().PresentCount(), shown) << "standing still presents nothing";
    ExpectPictureOnScreen(280, 340);
    character.Body().SetReferencePoint(500.0f, 300.0f);
    EXPECT_TRUE(PumpUntil([&] { return character.Body().PresentCount() == shown + 1; }, 2000));
    PumpFor(350);
    EXPECT_EQ(character.Body().PresentCount(), shown + 1) << "one present for the new place, then none";
    ExpectPictureOnScreen(480, 240);
    character.PlayInPlace(7, L"stand");
    ASSERT_TRUE(character.WaitForCompletion(7));
    EXPECT_GT(character.Body().PresentCount(), shown + 1) << "a request presents at its ticks";
}

TEST(LayeredScreen, AnIdleCharacterPresentsOnlyWhenItsPlaceChanges) { ExpectIdlePresentsOnlyChanges({}); }

TEST(RegionScreen, AnIdleCharacterPresentsOnlyWhenItsPlaceChanges) { ExpectIdlePresentsOnlyChanges(RegionMode()); }

TEST(RegionScreen, WindowRegionIsThePicturesVisiblePixels) {
    LiveCharacter character(RegionMode());
    character.ShowAt(300.0f, 400.0f);
    const UniqueRegion expected = PictureRegion(280, 340);
    const UniqueRegion actual(CreateRectRgn(0, 0, 0, 0));
    ASSERT_EQ(GetWindowRgn(character.Window(), actual.Get()), COMPLEXREGION);
    EXPECT_TRUE(EqualRgn(actual.Get(), expected.Get()));

    character.Body().SetReferencePoint(200.0f, 100.0f);
    const UniqueRegion moved = PictureRegion(180, 40);
    EXPECT_TRUE(PumpUntil(
        [&] {
            GetWindowRgn(character.Window(), actual.Get());
            return EqualRgn(actual.Get(), moved.Get()) != FALSE;
        },
        2000))
        << "an idle tick cuts the region at the new place";
}

TEST(RegionScreen, ShowsOnlyThePicturesPixels) {
    const BackdropWindow backdrop(kBackdropColour);
    LiveCharacter character(RegionMode());
    character.ShowAt(300.0f, 400.0f);
    ExpectPictureOnScreen(280, 340);
    character.Body().SetPosition(450.0f, 250.0f);
    ExpectPictureOnScreen(430, 190);
}

TEST(RegionScreen, DisplayChangeResizesTheWindowAndEmptiesItsRegion) {
    LiveCharacter character(RegionMode());
    character.ShowAt(300.0f, 400.0f);
    SendMessageA(character.Window(), WM_DISPLAYCHANGE, 32, MAKELPARAM(800, 600));
    const RECT rect = WindowRect(character.Window());
    EXPECT_EQ(rect.left, 0);
    EXPECT_EQ(rect.right, 800);
    EXPECT_EQ(rect.bottom, 600);
    const UniqueRegion region(CreateRectRgn(0, 0, 0, 0));
    EXPECT_EQ(GetWindowRgn(character.Window(), region.Get()), NULLREGION);
}

TEST(LayeredScreen, DisplayChangeRestoresTheKeyColour) {
    LiveCharacter character;  // hidden, so never erased: the key is still 0
    SendMessageA(character.Window(), WM_DISPLAYCHANGE, 32, MAKELPARAM(800, 600));
    COLORREF key = 0;
    DWORD flags = 0;
    ASSERT_TRUE(GetLayeredWindowAttributes(character.Window(), &key, nullptr, &flags));
    EXPECT_EQ(key, RGB(175, 175, 175));
    EXPECT_EQ(WindowRect(character.Window()).right - WindowRect(character.Window()).left, 160);
}
