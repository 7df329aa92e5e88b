// Characters whose pictures carry opacity, read back from a composited screen: a control
// window first shows that the display blends at all, then a character with an opacity ramp
// over a known backdrop shows the blended colours at 96 and 144 DPI, and the same picture with
// every fourth byte 0 shows exactly the keyed pixels of before.
#include "Win32Api.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "BackdropWindow.h"
#include "LiveCharacter.h"
#include "PictureDecoder.h"
#include "ScopedHandles.h"
#include "TestModels.h"

namespace {

constexpr COLORREF kBackdrop = RGB(20, 40, 230);
constexpr int kWidth = 64;
constexpr int kHeight = 20;
constexpr int kClear = 4;  // columns of opacity 0 (holding the key colour) at the left
constexpr uint8_t kInk[3] = {240, 200, 20};
// Rounding in premultiplying, averaging and blending, each within one step.
constexpr int kTolerance = 3;

int RampOpacity(int x) { return x < kClear ? 0 : 4 * x + 3; }

// The ramp picture as a character "stand"; withOpacity false writes every fourth byte 0.
std::string SaveRampCharacter(const std::string& name, bool withOpacity) {
    std::vector<uint8_t> rgba;
    for (int y = 0; y < kHeight; ++y) {
        for (int x = 0; x < kWidth; ++x) {
            const bool clear = x < kClear;
            rgba.insert(rgba.end(), {clear ? uint8_t{175} : kInk[0], clear ? uint8_t{175} : kInk[1],
                                     clear ? uint8_t{175} : kInk[2],
                                     withOpacity ? static_cast<uint8_t>(RampOpacity(x)) : uint8_t{0}});
        }
    }
    CFrame frame;
    frame.image = CBryDIB(DibFromPixels(rgba.data(), kWidth, kHeight, 4));
    frame.anchor = {kWidth / 2.0f, static_cast<float>(kHeight)};
    frame.displayTime = 200;
    CAnimation stand;
    stand.frames.push_back(frame);
    CCharacterModel model;
    model.SetCharacterName("Ramp");
    model.FileAnimation("stand", stand);
    const std::string path = testing_models::TempFolder(name) + "\\ramp.rux";
    if (!model.Save(path)) throw std::runtime_error("cannot save the ramp character");
    return path;
}

int Channel(COLORREF colour, int index) { return static_cast<int>((colour >> (8 * index)) & 0xFF); }

// The ink blended over the backdrop at opacity a (0..255, fractional after scaling).
COLORREF Blended(double a) {
    const auto mix = [a](int ink, int below) { return static_cast<int>(ink * a / 255.0 + below * (255.0 - a) / 255.0 + 0.5); };
    return RGB(mix(kInk[0], GetRValue(kBackdrop)), mix(kInk[1], GetGValue(kBackdrop)), mix(kInk[2], GetBValue(kBackdrop)));
}

bool Near(COLORREF shown, COLORREF expected) {
    for (int c = 0; c < 3; ++c)
        if (std::abs(Channel(shown, c) - Channel(expected, c)) > kTolerance) return false;
    return true;
}

std::string Describe(COLORREF colour) {
    return "(" + std::to_string(GetRValue(colour)) + ", " + std::to_string(GetGValue(colour)) + ", " +
           std::to_string(GetBValue(colour)) + ")";
}

RECT WindowRect(HWND window) {
    RECT rect{};
    GetWindowRect(window, &rect);
    return rect;
}

// Compares every screen column of the picture, on a few rows, with what opacityAt(column)
// blends to; columns for which opacityAt gives a negative value are skipped. First mismatch.
template <class OpacityAt>
std::string RampMismatch(RECT at, int columns, int rows, OpacityAt opacityAt) {
    const WindowDc screen(nullptr);
    for (int y = 1; y < rows; y += rows / 4) {
        for (int x = 0; x < columns; ++x) {
            const double a = opacityAt(x);
            if (a < 0) continue;
            const COLORREF shown = GetPixel(screen.Get(), at.left + x, at.top + y);
            if (!Near(shown, Blended(a))) {
                return "column " + std::to_string(x) + " row " + std::to_string(y) + " shows " + Describe(shown) +
                       ", expected " + Describe(Blended(a)) + " (opacity " + std::to_string(a) + ")";
            }
        }
    }
    return std::string();
}

// A layered window of its own, red at opacity 128 through UpdateLayeredWindow: on a display
// that blends, the backdrop shows through it.
COLORREF ControlWindowColour() {
    const UniqueWindow window(CreateWindowExA(WS_EX_LAYERED | WS_EX_TOPMOST | WS_EX_TOOLWINDOW, "STATIC", "", WS_POPUP,
                                              600, 600, 40, 40, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr));
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), 40, -40, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    const UniqueMemoryDc dc(CreateCompatibleDC(nullptr));
    const UniqueBitmap bitmap(CreateDIBSection(dc.Get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!window || !bitmap) return CLR_INVALID;
    auto* pixels = static_cast<uint32_t*>(bits);
    for (int i = 0; i < 40 * 40; ++i) pixels[i] = 0x80800000u;  // premultiplied red at 128
    const HGDIOBJ previous = SelectObject(dc.Get(), bitmap.Get());
    POINT at{600, 600}, origin{0, 0};
    SIZE size{40, 40};
    BLENDFUNCTION blend{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
    UpdateLayeredWindow(window.Get(), nullptr, &at, &size, dc.Get(), &origin, 0, &blend, ULW_ALPHA);
    SelectObject(dc.Get(), previous);
    ShowWindow(window.Get(), SW_SHOWNA);
    PumpFor(400);
    const WindowDc screen(nullptr);
    return GetPixel(screen.Get(), 620, 620);
}

const std::string& RampFile() {
    static const std::string path = SaveRampCharacter("soft-edge-ramp", true);
    return path;
}

const std::string& KeyedRampFile() {
    static const std::string path = SaveRampCharacter("soft-edge-keyed", false);
    return path;
}

}  // namespace

TEST(SoftEdges, TheDisplayBlendsAControlWindow) {
    const BackdropWindow backdrop(kBackdrop);
    PumpFor(200);
    const COLORREF shown = ControlWindowColour();
    const COLORREF expected = RGB(128 + 20 * 127 / 255, 40 * 127 / 255, 230 * 127 / 255);
    EXPECT_TRUE(Near(shown, expected)) << "red at 128 over the backdrop shows " << Describe(shown) << ", expected "
                                       << Describe(expected) << ": is a compositing manager running?";
}

TEST(SoftEdges, AnOpacityRampBlendsWithTheDesktopAt96Dpi) {
    const BackdropWindow backdrop(kBackdrop);
    LiveCharacter character;
    ASSERT_TRUE(character.Body().LoadCharacterFile(RampFile()));
    character.ShowAt(300.0f, 400.0f);
    COLORREF key = 0;
    BYTE alpha = 0;
    DWORD flags = 0;
    EXPECT_FALSE(GetLayeredWindowAttributes(character.Window(), &key, &alpha, &flags))
        << "shown through UpdateLayeredWindow, which has no attributes";
    const RECT at = WindowRect(character.Window());
    EXPECT_EQ(at.left, 300 - kWidth / 2);
    std::string mismatch;
    PumpUntil([&] { return (mismatch = RampMismatch(at, kWidth, kHeight, RampOpacity)).empty(); }, 3000);
    EXPECT_EQ(mismatch, "");
    // The character takes the mouse where it shows. (That pixels of opacity 0 let it through is
    // the system's hit testing of layered windows, which Wine 8 does not do for per-pixel alpha.)
    EXPECT_EQ(WindowFromPoint(POINT{at.left + kWidth - 2, at.top + 5}), character.Window()) << "opaque";
}

TEST(SoftEdges, AnOpacityRampBlendsWithTheDesktopAt144Dpi) {
    const BackdropWindow backdrop(kBackdrop);
    // The character window takes its DPI from the test (Wine has one DPI); a per-monitor-aware
    // thread, as a client's, makes the character draw at it.
    const DPI_AWARENESS_CONTEXT previous = SetThreadDpiAwarenessContext(DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE);
    if (previous == nullptr) GTEST_SKIP() << "the system has no thread DPI awareness";
    {
        CharacterThreadOptions options;
        options.windowDpi = [](HWND) { return 144u; };
        LiveCharacter character(options);
        ASSERT_TRUE(character.Body().LoadCharacterFile(RampFile()));
        character.ShowAt(300.0f, 400.0f);
        EXPECT_EQ(character.Body().Scale().Dpi(), 144u);
        const RECT at = WindowRect(character.Window());
        EXPECT_EQ(at.left, 300 - 48);
        // Screen column X averages the source over [X / 1.5, (X + 1) / 1.5); the ramp is linear,
        // so that is the ramp at the centre. Columns reaching the clear ones are skipped.
        const auto opacity = [](int x) {
            const double centre = (x + 0.5) / 1.5 - 0.5;
            return x / 1.5 < kClear + 1 ? -1.0 : std::min(255.0, 4 * centre + 3);
        };
        std::string mismatch;
        PumpUntil([&] { return (mismatch = RampMismatch(at, 96, 30, opacity)).empty(); }, 3000);
        EXPECT_EQ(mismatch, "");
        const WindowDc screen(nullptr);
        EXPECT_EQ(GetPixel(screen.Get(), at.left + 2, at.top + 5), kBackdrop) << "opacity 0 shows the desktop";
    }
    SetThreadDpiAwarenessContext(previous);
}

TEST(SoftEdges, FourthBytesAllZeroShowTheKeyedPixelsAsBefore) {
    const BackdropWindow backdrop(kBackdrop);
    LiveCharacter character;
    ASSERT_TRUE(character.Body().LoadCharacterFile(RampFile()));
    character.ShowAt(300.0f, 400.0f);
    ASSERT_TRUE(character.Body().LoadCharacterFile(KeyedRampFile()));  // the window turns back to keyed
    character.ShowAt(300.0f, 400.0f);
    COLORREF key = 0;
    BYTE alpha = 0;
    DWORD flags = 0;
    ASSERT_TRUE(GetLayeredWindowAttributes(character.Window(), &key, &alpha, &flags));
    EXPECT_EQ(flags, static_cast<DWORD>(LWA_COLORKEY));
    const RECT at = WindowRect(character.Window());
    const auto opaque = [](int x) { return x < kClear ? 0.0 : 255.0; };
    std::string mismatch;
    PumpUntil([&] { return (mismatch = RampMismatch(at, kWidth, kHeight, opaque)).empty(); }, 3000);
    EXPECT_EQ(mismatch, "");
    const WindowDc screen(nullptr);
    EXPECT_EQ(GetPixel(screen.Get(), at.left + 10, at.top + 5), RGB(kInk[0], kInk[1], kInk[2])) << "exactly";
    EXPECT_EQ(GetPixel(screen.Get(), at.left + 1, at.top + 5), kBackdrop) << "the key colour shows the desktop";
}
