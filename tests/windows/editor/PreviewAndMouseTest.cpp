// The preview playing in the running editor, and the frame window's mouse handling: capture
// while dragging and the "Frame" popup on the frame already selected.
#include <gtest/gtest.h>

#include <windows.h>

#include "CCharacterModel.h"
#include "EditorFiles.h"
#include "PictureDecoder.h"
#include "TarvelDriver.h"

using namespace tarvel_driver;

namespace {

CFrame SolidFrame(uint8_t r, uint8_t g, uint8_t b, uint32_t displayTime) {
    std::vector<uint8_t> pixels(20 * 20 * 3);
    for (size_t i = 0; i < pixels.size(); i += 3) {
        pixels[i] = r;
        pixels[i + 1] = g;
        pixels[i + 2] = b;
    }
    CFrame frame;
    frame.image = CBryDIB(DibFromPixels(pixels.data(), 20, 20, 3));
    frame.anchor = {10, 10};
    frame.displayTime = displayTime;
    return frame;
}

// A character whose one animation blinks red and green in place.
std::string WriteBlinker(const std::string& folder) {
    CCharacterModel character;
    character.SetCharacterName("Pip");
    CAnimation blink;
    blink.frames = {SolidFrame(255, 0, 0, 300), SolidFrame(0, 255, 0, 300)};
    character.FileAnimation("Blink", blink);
    return editor_files::SaveCharacter(character, folder, "blink.rux");
}

bool Shows(HWND window, POINT at, COLORREF colour) {
    return WaitUntil([&] { return ScreenPixel(window, at.x, at.y) == colour; }, 5000);
}

POINT Middle(HWND window) {
    const SIZE size = ClientSizeOf(window);
    return {size.cx / 2, size.cy / 2};
}

HWND CaptureOf(DWORD threadId) {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    return GetGUIThreadInfo(threadId, &info) ? info.hwndCapture : nullptr;
}

}  // namespace

TEST(Preview, PlaysTheAnimationInTheMiddleAndRecentresOnResize) {
    const std::string folder = editor_files::Folder("preview");
    TarvelProcess tarvel(folder);
    LoadInEditor(tarvel, WriteBlinker(folder));
    SendMessageA(GetDlgItem(tarvel.MainDialog(), 1007), LB_SETCURSEL, 0, 0);
    const PreviewWindows p = OpenPreview(tarvel);
    EXPECT_FALSE(IsZoomed(p.dialog)) << "the preview opens in its normal size";
    EXPECT_EQ(GetDlgItem(p.dialog, 1012), nullptr) << "the placeholder is gone";
    const DialogScale scale = ScaleOf(p.dialog, 268, 236);
    ASSERT_GT(scale.baseX, 0);
    const RECT placeholder = scale.Map(7, 7, 254, 222);
    const RECT area = ChildRect(p.dialog, p.preview);
    EXPECT_TRUE(EqualRect(&area, &placeholder)) << "in the placeholder's place until the dialog is resized";

    EXPECT_TRUE(Shows(p.preview, Middle(p.preview), RGB(255, 0, 0)));
    EXPECT_TRUE(Shows(p.preview, Middle(p.preview), RGB(0, 255, 0))) << "the frames follow one another";
    EXPECT_TRUE(Shows(p.preview, Middle(p.preview), RGB(255, 0, 0))) << "and repeat";
    EXPECT_EQ(ScreenPixel(p.preview, 3, 3), RGB(255, 255, 255));

    SetWindowPos(p.dialog, nullptr, 0, 0, 900, 700, SWP_NOZORDER | SWP_NOMOVE);
    ASSERT_TRUE(WaitUntil([&] { return ClientSizeOf(p.preview).cx > 700; }));
    const RECT grown = ChildRect(p.dialog, p.preview);
    EXPECT_EQ(grown.left, placeholder.left);
    EXPECT_EQ(grown.top, placeholder.top);
    EXPECT_EQ(grown.right, ClientSizeOf(p.dialog).cx) << "then it reaches the dialog's corner";
    EXPECT_EQ(grown.bottom, ClientSizeOf(p.dialog).cy);
    const POINT middle = Middle(p.preview);
    EXPECT_TRUE(WaitUntil([&] {
        const COLORREF c = ScreenPixel(p.preview, middle.x, middle.y);
        return c == RGB(255, 0, 0) || c == RGB(0, 255, 0);
    })) << "back in the middle of the larger area";
    ASSERT_TRUE(CloseDialog(p.dialog));
    EXPECT_TRUE(IsWindowEnabled(tarvel.MainDialog()));
}

TEST(FrameMouse, TheMouseIsCapturedOnlyWhileDragging) {
    const std::string folder = editor_files::Folder("frame-capture");
    const std::string picture = editor_files::WriteBitmap(folder, "p.bmp", 30, 30, 0x808080, 0x808080);
    TarvelProcess tarvel(folder);
    const AnimationWindows w = OpenAnimationDialog(tarvel, 1004);
    PostMessageA(w.frame, WM_COMMAND, 32773, 0);
    AnswerPicker(tarvel.ProcessId(), w.dialog, "Open", picture);
    SendMessageA(w.frame, WM_NULL, 0, 0);
    const POINT anchor{ClientSizeOf(w.frame).cx / 2 - 15, ClientSizeOf(w.frame).cy / 2 - 15};

    SendMessageA(w.frame, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(anchor.x + 200, anchor.y + 200));
    EXPECT_EQ(CaptureOf(tarvel.ThreadId()), nullptr) << "a press on nothing starts no drag";
    SendMessageA(w.frame, WM_LBUTTONUP, 0, MAKELPARAM(anchor.x + 200, anchor.y + 200));

    SendMessageA(w.frame, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(anchor.x, anchor.y));
    EXPECT_EQ(CaptureOf(tarvel.ThreadId()), w.frame) << "a release outside the window still reaches it";
    SendMessageA(w.frame, WM_LBUTTONUP, 0, MAKELPARAM(anchor.x, anchor.y));
    EXPECT_EQ(CaptureOf(tarvel.ThreadId()), nullptr);
}

TEST(FrameMouse, ClickingTheSelectedFrameOpensTheFramePopup) {
    TarvelProcess tarvel(editor_files::Folder("frame-popup"));
    const AnimationWindows w = OpenAnimationDialog(tarvel, 1004);
    SendMessageA(w.frame, WM_COMMAND, 32771, 0);  // two frames, the second selected
    const auto itemHeight = static_cast<int>(SendMessageA(w.frameList, LB_GETITEMHEIGHT, 0, 0));
    const auto click = [&](int item) {
        const LPARAM at = MAKELPARAM(10, item * itemHeight + itemHeight / 2);
        PostMessageA(w.frameList, WM_LBUTTONDOWN, MK_LBUTTON, at);
        PostMessageA(w.frameList, WM_LBUTTONUP, 0, at);
    };
    click(0);
    ASSERT_TRUE(WaitUntil([&] { return SendMessageA(w.frameList, LB_GETCURSEL, 0, 0) == 0; }));
    SendMessageA(w.frame, WM_NULL, 0, 0);
    EXPECT_EQ(FindTopLevel(tarvel.ProcessId(), "#32768"), nullptr) << "another frame: selected, no popup";

    click(0);
    HWND popup = nullptr;
    ASSERT_TRUE(WaitUntil([&] { return (popup = FindTopLevel(tarvel.ProcessId(), "#32768")) != nullptr; }))
        << "the frame already selected: the Frame popup";
    PostMessageA(w.frame, WM_KEYDOWN, VK_ESCAPE, 1);
    EXPECT_TRUE(WaitUntil([&] { return FindTopLevel(tarvel.ProcessId(), "#32768") == nullptr; }));
    EXPECT_EQ(ListItems(w.frameList).size(), 2u);
}

TEST(FrameMouse, ReleasingTheRightButtonOpensTheOriginsPopup) {
    TarvelProcess tarvel(editor_files::Folder("origins-popup"));
    const AnimationWindows w = OpenAnimationDialog(tarvel, 1004);
    PostMessageA(w.frame, WM_RBUTTONUP, 0, MAKELPARAM(40, 40));
    ASSERT_TRUE(WaitUntil([&] { return FindTopLevel(tarvel.ProcessId(), "#32768") != nullptr; }));
    // Choosing its one item asks for the origin's name.
    PostMessageA(w.frame, WM_KEYDOWN, VK_DOWN, 1);
    PostMessageA(w.frame, WM_KEYDOWN, VK_RETURN, 1);
    HWND name = WaitForDialog(tarvel.ProcessId(), "Enter Character Name", w.dialog);
    ASSERT_NE(name, nullptr) << "Create New Character Origin";
    PostClick(name, IDCANCEL);
    EXPECT_TRUE(WaitUntil([&] { return !IsWindow(name); }));
}

namespace {

// Moves the real mouse to a screen point, with the left button going down or up there if asked.
void MouseAt(POINT screen, DWORD buttonFlags = 0) {
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dx = MulDiv(screen.x, 65535, GetSystemMetrics(SM_CXSCREEN) - 1);
    input.mi.dy = MulDiv(screen.y, 65535, GetSystemMetrics(SM_CYSCREEN) - 1);
    input.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE | buttonFlags;
    SendInput(1, &input, sizeof input);
    Sleep(50);
}

POINT OnScreen(HWND window, POINT client) {
    ClientToScreen(window, &client);
    return client;
}

}  // namespace

TEST(FrameMouse, AReleaseOutsideTheFrameWindowEndsTheDrag) {
    const std::string folder = editor_files::Folder("frame-release-outside");
    const std::string picture = editor_files::WriteBitmap(folder, "p.bmp", 30, 30, 0x808080, 0x808080);
    TarvelProcess tarvel(folder);
    const AnimationWindows w = OpenAnimationDialog(tarvel, 1004);
    SetItemText(w.dialog, 1010, "Walk");
    PostMessageA(w.frame, WM_COMMAND, 32773, 0);
    AnswerPicker(tarvel.ProcessId(), w.dialog, "Open", picture);
    SendMessageA(w.frame, WM_NULL, 0, 0);
    const SIZE client = ClientSizeOf(w.frame);
    const POINT anchor{client.cx / 2 - 15, client.cy / 2 - 15};
    // Outside the frame window: over the dialog's own controls at its left.
    const POINT outside = OnScreen(w.dialog, {10, ClientSizeOf(w.dialog).cy - 20});
    POINT outsideInFrame = outside;
    ScreenToClient(w.frame, &outsideInFrame);
    ASSERT_LT(outsideInFrame.x, 0);

    MouseAt(OnScreen(w.frame, anchor));
    MouseAt(OnScreen(w.frame, anchor), MOUSEEVENTF_LEFTDOWN);
    MouseAt(outside);
    MouseAt(outside, MOUSEEVENTF_LEFTUP);
    MouseAt(OnScreen(w.frame, {anchor.x + 60, anchor.y + 40}));  // no button: nothing follows
    MouseAt(OnScreen(w.frame, {anchor.x + 80, anchor.y + 50}));
    ASSERT_TRUE(CloseDialog(w.dialog));

    const std::string saved = folder + "\\walk.rux";
    SaveFromEditor(tarvel, saved);
    const CCharacterModel character(saved);
    ASSERT_NE(character.FindAnimation("Walk"), nullptr);
    const PointF moved = character.FindAnimation("Walk")->frames.at(0).anchor;
    EXPECT_EQ(moved.x, static_cast<float>(outsideInFrame.x - anchor.x)) << "followed the mouse out of the window";
    EXPECT_EQ(moved.y, static_cast<float>(outsideInFrame.y - anchor.y)) << "and stopped at the release";
}
