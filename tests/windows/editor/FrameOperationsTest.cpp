// Duplicating and moving frames and the onion skin, through the keys and the Frame popup.
#include <gtest/gtest.h>

#include <windows.h>

#include "CCharacterModel.h"
#include "EditorFiles.h"
#include "PictureDecoder.h"
#include "TarvelDriver.h"

using namespace tarvel_driver;

namespace {

// A w x h frame of one colour, with its display time to tell it by.
CFrame SolidFrame(int width, int height, uint8_t r, uint8_t g, uint8_t b, uint32_t time) {
    std::vector<uint8_t> rgb;
    for (int i = 0; i < width * height; ++i) rgb.insert(rgb.end(), {r, g, b});
    CFrame frame;
    frame.image = CBryDIB(DibFromPixels(rgb.data(), width, height, 3));
    frame.displayTime = time;
    return frame;
}

// Tarvel with one animation "Walk" of the frames, open in the animation dialog.
struct EditingWalk {
    EditingWalk(const std::string& folderName, const std::vector<CFrame>& frames)
        : folder(editor_files::Folder(folderName)), tarvel(folder) {
        CCharacterModel character;
        CAnimation animation;
        animation.frames = frames;
        character.FileAnimation("Walk", animation);
        LoadInEditor(tarvel, editor_files::SaveCharacter(character, folder, "walk.rux"));
        SendMessageA(GetDlgItem(tarvel.MainDialog(), 1007), LB_SETCURSEL, 0, 0);
        w = OpenAnimationDialog(tarvel, 1005);
    }
    void Select(int frame) const {
        SendMessageA(w.frameList, LB_SETCURSEL, static_cast<WPARAM>(frame), 0);
        SendMessageA(w.frame, WM_COMMAND, MAKEWPARAM(1101, LBN_SELCHANGE), reinterpret_cast<LPARAM>(w.frameList));
    }
    std::vector<uint32_t> SavedTimes() {
        if (!CloseDialog(w.dialog)) return {};
        const std::string saved = folder + "\\saved.rux";
        SaveFromEditor(tarvel, saved);
        const CCharacterModel character(saved);
        std::vector<uint32_t> times;
        if (const CAnimation* walk = character.FindAnimation("Walk"))
            for (const CFrame& frame : walk->frames) times.push_back(frame.displayTime);
        return times;
    }
    std::string folder;
    TarvelProcess tarvel;
    AnimationWindows w;
};

LRESULT Selection(HWND list) { return SendMessageA(list, LB_GETCURSEL, 0, 0); }

}  // namespace

TEST(FrameOperations, KeysAndPopupItemsDuplicateAndMoveAndTheFieldsFollow) {
    EditingWalk walk("frame-operations", {SolidFrame(4, 4, 255, 0, 0, 100), SolidFrame(4, 4, 0, 255, 0, 200),
                                          SolidFrame(4, 4, 0, 0, 255, 300)});
    const AnimationWindows& w = walk.w;
    walk.Select(1);
    PressKeys(w.dialog, {VK_CONTROL, 'D'}, w.frameList);
    ASSERT_TRUE(WaitUntil([&] { return ListItems(w.frameList).size() == 4; })) << "Ctrl+D duplicates";
    EXPECT_EQ(Selection(w.frameList), 2) << "the copy is selected";
    EXPECT_EQ(Text(w.displayTime), "200");
    PressKeys(w.dialog, {VK_CONTROL, VK_NEXT});
    EXPECT_TRUE(WaitUntil([&] { return Selection(w.frameList) == 3; })) << "Ctrl+Page Down moves it later";
    walk.Select(0);
    SendMessageA(w.frame, WM_COMMAND, 32779, 0);  // Frame popup: Move later
    EXPECT_EQ(Selection(w.frameList), 1);
    EXPECT_EQ(Text(w.displayTime), "100");
    SendMessageA(w.frame, WM_COMMAND, 32777, 0);  // Frame popup: Duplicate frame
    EXPECT_EQ(ListItems(w.frameList).size(), 5u);
    PressKeys(w.dialog, {VK_CONTROL, 'Z'}, w.frameList);  // the popup's duplicate
    EXPECT_TRUE(WaitUntil([&] { return ListItems(w.frameList).size() == 4; }));
    walk.Select(1);
    PressKeys(w.dialog, {VK_CONTROL, VK_PRIOR}, w.frameList);  // the frame of time 100 back to the front
    EXPECT_TRUE(WaitUntil([&] { return Selection(w.frameList) == 0; }));
    EXPECT_EQ(walk.SavedTimes(), (std::vector<uint32_t>{100, 200, 300, 200}));
}

TEST(FrameOperations, TheOnionSkinShowsThePreviousFrameFaintlyUnderTheExactCurrentOne) {
    // The red first frame moves the character 2 pixels to the right; the blue second frame's
    // anchor is at its top-right corner. As the engine shows them one after the other, the red
    // picture lies 18 pixels right of the blue one. Rows 12 and 24 are clear of the anchor's ring.
    CFrame first = SolidFrame(20, 20, 255, 0, 0, 100);
    first.shift = {2, 0};
    CFrame second = SolidFrame(20, 20, 0, 0, 255, 100);
    second.anchor = {20, 0};
    EditingWalk walk("onion-skin", {first, second});
    const AnimationWindows& w = walk.w;
    walk.Select(1);
    const SIZE client = ClientSizeOf(w.frame);
    // A pixel of the client area counted from the current picture's top-left corner.
    const auto pixelAt = [&](int zoom, int x, int y) {
        return ScreenPixel(w.frame, client.cx / 2 - 10 * zoom + x, client.cy / 2 - 10 * zoom + y);
    };
    const COLORREF blue = RGB(0, 0, 255), white = RGB(255, 255, 255), fadedRed = RGB(255, 170, 170);
    ASSERT_TRUE(WaitUntil([&] { return pixelAt(1, 19, 12) == blue; }));
    EXPECT_EQ(pixelAt(1, 21, 12), white) << "off at first";
    PressKeys(w.dialog, {VK_CONTROL, 'P'}, w.frameList);
    EXPECT_TRUE(WaitUntil([&] { return pixelAt(1, 21, 12) == fadedRed; })) << "Ctrl+P: the previous frame, faintly";
    EXPECT_EQ(pixelAt(1, 37, 19), fadedRed);
    EXPECT_EQ(pixelAt(1, 38, 12), white) << "18 pixels to the right, no more";
    EXPECT_EQ(pixelAt(1, 19, 12), blue) << "the current frame's pixels stay exact";
    EXPECT_EQ(pixelAt(1, 0, 19), blue);
    PressKeys(w.dialog, {VK_CONTROL, VK_ADD});
    EXPECT_TRUE(WaitUntil([&] { return pixelAt(2, 75, 24) == fadedRed; })) << "200 %: 36 pixels to the right";
    EXPECT_EQ(pixelAt(2, 76, 24), white);
    EXPECT_EQ(pixelAt(2, 39, 24), blue);
    PressKeys(w.dialog, {VK_CONTROL, 'P'});
    EXPECT_TRUE(WaitUntil([&] { return pixelAt(2, 75, 24) == white; })) << "Ctrl+P again: off";
    EXPECT_EQ(walk.SavedTimes(), (std::vector<uint32_t>{100, 100})) << "the onion skin changes no frame";
}
