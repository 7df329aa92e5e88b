// The editor's keys, pressed through the system: undo and redo in both dialogs, Ctrl+S,
// the arrow keys on the selected point, tab stops and zoom.
#include <gtest/gtest.h>

#include <windows.h>

#include <set>

#include "CCharacterModel.h"
#include "EditorFiles.h"
#include "PictureDecoder.h"
#include "TarvelDriver.h"
#include "TestModels.h"

using namespace tarvel_driver;

TEST(Keys, UndoRedoAndSaveInTheMainDialog) {
    const std::string folder = editor_files::Folder("keys-main");
    const std::string file = editor_files::SaveCharacter(testing_models::RichModel(), folder, "rich.rux");
    TarvelProcess tarvel(folder);
    HWND main = tarvel.MainDialog();
    HWND list = GetDlgItem(main, 1007);
    LoadInEditor(tarvel, file);
    const size_t count = ListItems(list).size();
    SendMessageA(list, LB_SETCURSEL, 0, 0);
    Click(main, 1006);
    ASSERT_EQ(ListItems(list).size(), count - 1);
    PressKeys(main, {VK_CONTROL, 'Z'}, list);
    EXPECT_TRUE(WaitUntil([&] { return ListItems(list).size() == count; })) << "Ctrl+Z brings the animation back";
    PressKeys(main, {VK_CONTROL, 'Y'});
    EXPECT_TRUE(WaitUntil([&] { return ListItems(list).size() == count - 1; })) << "Ctrl+Y deletes it again";
    PressKeys(main, {VK_CONTROL, 'Z'});
    PressKeys(main, {VK_CONTROL, VK_SHIFT, 'Z'});
    EXPECT_TRUE(WaitUntil([&] { return ListItems(list).size() == count - 1; })) << "Ctrl+Shift+Z redoes";

    PressKeys(main, {VK_CONTROL, 'S'});  // the loaded file: no picker
    EXPECT_TRUE(WaitUntil([&] { return CCharacterModel(file).AnimationCount() == count - 1; }));
    PostMessageA(main, WM_SYSCOMMAND, SC_CLOSE, 0);
    EXPECT_TRUE(tarvel.HasEnded(5000)) << "saved: nothing to ask";
}

TEST(Keys, UndoArrowsAndTabStopsInTheAnimationDialog) {
    const std::string folder = editor_files::Folder("keys-animation");
    TarvelProcess tarvel(folder);
    const AnimationWindows w = OpenAnimationDialog(tarvel, 1004);
    std::set<int> reached;
    PressKeys(w.dialog, {VK_TAB}, GetDlgItem(w.dialog, 1010));
    for (int press = 0; press < 10; ++press) {
        reached.insert(GetDlgCtrlID(FocusOf(tarvel.ThreadId())));
        PressKeys(w.dialog, {VK_TAB});
    }
    EXPECT_EQ(reached, (std::set<int>{1010, 1016, 1001, 1018, 1101, 1100, 12345})) << "Tab reaches every field";
    SendMessageA(w.frame, WM_COMMAND, 32771, 0);
    ASSERT_EQ(ListItems(w.frameList).size(), 2u);
    PressKeys(w.dialog, {VK_CONTROL, 'Z'}, w.frameList);
    EXPECT_TRUE(WaitUntil([&] { return ListItems(w.frameList).size() == 1; })) << "the inserted frame is undone";
    PressKeys(w.dialog, {VK_CONTROL, 'Y'});
    EXPECT_TRUE(WaitUntil([&] { return ListItems(w.frameList).size() == 2; }));

    // A click in the frame window gives it the focus; the arrows then move the anchor.
    PostMessageA(w.frame, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    PostMessageA(w.frame, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
    // A sent message is handled before posted ones, so it cannot tell when the click was.
    EXPECT_TRUE(WaitUntil([&] { return FocusOf(tarvel.ThreadId()) == w.frame; })) << "the click gave the focus";
    PressKeys(w.dialog, {VK_RIGHT});
    PressKeys(w.dialog, {VK_SHIFT, VK_DOWN});
    SetItemText(w.dialog, 1010, "Walk");
    ASSERT_TRUE(CloseDialog(w.dialog));
    const std::string saved = folder + "\\walk.rux";
    PressKeys(tarvel.MainDialog(), {VK_CONTROL, 'S'});
    AnswerPicker(tarvel.ProcessId(), tarvel.MainDialog(), "Save As", saved);  // no file yet
    SendMessageA(tarvel.MainDialog(), WM_NULL, 0, 0);
    const CCharacterModel character(saved);
    ASSERT_NE(character.FindAnimation("Walk"), nullptr);
    const CFrame& frame = character.FindAnimation("Walk")->frames[1];
    EXPECT_EQ(frame.anchor.x, 1.0f) << "Right: one pixel";
    EXPECT_EQ(frame.anchor.y, 10.0f) << "Shift+Down: ten pixels";
}

TEST(Keys, TheFrameWindowZoomsInWholeSteps) {
    const std::string folder = editor_files::Folder("keys-zoom");
    // A 4 x 4 red picture with a blue top-left pixel; the anchor far off, so no ring covers it.
    std::vector<uint8_t> pixels(4 * 4 * 3, 0);
    for (size_t i = 0; i < pixels.size(); i += 3) pixels[i] = 255;
    pixels[0] = 0, pixels[2] = 255;
    CCharacterModel character;
    CAnimation animation;
    CFrame frame;
    frame.image = CBryDIB(DibFromPixels(pixels.data(), 4, 4, 3));
    frame.anchor = {200, 200};
    animation.frames = {frame};
    character.FileAnimation("Still", animation);
    TarvelProcess tarvel(folder);
    LoadInEditor(tarvel, editor_files::SaveCharacter(character, folder, "zoom.rux"));
    SendMessageA(GetDlgItem(tarvel.MainDialog(), 1007), LB_SETCURSEL, 0, 0);
    const AnimationWindows w = OpenAnimationDialog(tarvel, 1005);
    const SIZE client = ClientSizeOf(w.frame);
    const auto pixelAt = [&](int zoom, int x, int y) {
        return ScreenPixel(w.frame, client.cx / 2 - 4 * zoom / 2 + x, client.cy / 2 - 4 * zoom / 2 + y);
    };
    const COLORREF blue = RGB(0, 0, 255), red = RGB(255, 0, 0);
    ASSERT_TRUE(WaitUntil([&] { return pixelAt(1, 0, 0) == blue; })) << "opens at 100 %";
    EXPECT_EQ(pixelAt(1, 1, 0), red);
    PressKeys(w.dialog, {VK_CONTROL, VK_ADD}, w.frameList);
    PressKeys(w.dialog, {VK_CONTROL, VK_ADD});
    EXPECT_TRUE(WaitUntil([&] { return pixelAt(3, 2, 2) == blue; })) << "300 %: each pixel a 3 x 3 square";
    EXPECT_EQ(pixelAt(3, 3, 0), red);
    EXPECT_EQ(pixelAt(3, 0, 3), red);
    PostMessageA(w.frame, WM_MOUSEWHEEL, MAKEWPARAM(MK_CONTROL, WHEEL_DELTA), 0);  // Ctrl + wheel
    EXPECT_TRUE(WaitUntil([&] { return pixelAt(4, 3, 3) == blue && pixelAt(4, 4, 0) == red; }));
    PressKeys(w.dialog, {VK_CONTROL, '0'});
    EXPECT_TRUE(WaitUntil([&] { return pixelAt(1, 0, 0) == blue && pixelAt(1, 1, 1) == red; })) << "Ctrl+0: 100 %";
}
