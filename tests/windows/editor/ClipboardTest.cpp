// Frames copied in one Tarvel and pasted in another, the copy's picture read by this program,
// and a picture from this program pasted into a frame.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstring>

#include "CCharacterModel.h"
#include "DibHeader.h"
#include "DibPixelReader.h"
#include "EditorFiles.h"
#include "PictureDecoder.h"
#include "TarvelDriver.h"

using namespace tarvel_driver;

namespace {

std::vector<uint8_t> ClipboardBytes(UINT format) {
    std::vector<uint8_t> bytes;
    if (!OpenClipboard(nullptr)) return bytes;
    if (HANDLE memory = GetClipboardData(format)) {
        const auto* at = static_cast<const uint8_t*>(GlobalLock(memory));
        if (at != nullptr) bytes.assign(at, at + GlobalSize(memory));
        GlobalUnlock(memory);
    }
    CloseClipboard();
    return bytes;
}

bool PutDibOnClipboard(const std::vector<uint8_t>& dib) {
    if (!OpenClipboard(nullptr)) return false;
    EmptyClipboard();
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, dib.size());
    std::memcpy(GlobalLock(memory), dib.data(), dib.size());
    GlobalUnlock(memory);
    const bool put = SetClipboardData(CF_DIB, memory) != nullptr;
    CloseClipboard();
    return put;
}

CFrame Walk(const CCharacterModel& character, size_t index) { return character.FindAnimation("Walk")->frames[index]; }

}  // namespace

TEST(Clipboard, AFrameCopiedInOneTarvelPastesWholeInAnotherAndAsAPictureHere) {
    const std::string folder = editor_files::Folder("clipboard");
    CCharacterModel source;
    CAnimation walk;
    CFrame frame;
    std::vector<uint8_t> red(6 * 4 * 3, 0);
    for (size_t i = 0; i < red.size(); i += 3) red[i] = 200;
    frame.image = CBryDIB(DibFromPixels(red.data(), 6, 4, 3));
    frame.displayTime = 345;
    frame.shift = {3, -1};
    frame.anchor = {2, 4};
    frame.SetOrigin("ball", {5, 1});
    frame.sound = "step.wav";
    walk.frames = {frame};
    source.FileAnimation("Walk", walk);
    TarvelProcess first(folder);
    LoadInEditor(first, editor_files::SaveCharacter(source, folder, "source.rux"));
    SendMessageA(GetDlgItem(first.MainDialog(), 1007), LB_SETCURSEL, 0, 0);
    const AnimationWindows a = OpenAnimationDialog(first, 1005);
    PressKeys(a.dialog, {VK_CONTROL, 'C'}, a.frameList);
    ASSERT_TRUE(WaitUntil([] { return IsClipboardFormatAvailable(CF_DIB) != FALSE; })) << "Ctrl+C";
    const std::vector<uint8_t> dib = ClipboardBytes(CF_DIB);
    const DibPixelReader picture(dib);
    ASSERT_TRUE(picture.Readable()) << "a paint program can read the picture";
    EXPECT_EQ(picture.Width(), 6);
    uint32_t pixel = 0;
    picture.ReadRow(3, 5, 1, &pixel);
    EXPECT_EQ(pixel & 0xFFFFFF, 0xC80000u);

    TarvelProcess second(folder);
    const AnimationWindows b = OpenAnimationDialog(second, 1004);
    SetItemText(b.dialog, 1010, "Walk");
    PressKeys(b.dialog, {VK_CONTROL, 'V'}, b.frameList);
    ASSERT_TRUE(WaitUntil([&] { return ListItems(b.frameList).size() == 2; })) << "Ctrl+V in the other Tarvel";
    EXPECT_EQ(Text(b.displayTime), "345");

    std::vector<uint8_t> blue(3 * 3 * 3, 0);
    for (size_t i = 2; i < blue.size(); i += 3) blue[i] = 220;
    ASSERT_TRUE(PutDibOnClipboard(DibFromPixels(blue.data(), 3, 3, 3)));
    PressKeys(b.dialog, {VK_CONTROL, VK_SHIFT, 'V'}, b.frameList);  // into the pasted frame
    PressKeys(b.dialog, {VK_CONTROL, 'V'}, b.frameList);  // a picture only: a new frame
    ASSERT_TRUE(WaitUntil([&] { return ListItems(b.frameList).size() == 3; }));
    ASSERT_TRUE(CloseDialog(b.dialog));
    SaveFromEditor(second, folder + "\\pasted.rux");
    const CCharacterModel pasted(folder + "\\pasted.rux");
    ASSERT_NE(pasted.FindAnimation("Walk"), nullptr);
    CFrame expected = frame;
    expected.image = Walk(pasted, 1).image;
    EXPECT_EQ(Walk(pasted, 1), expected) << "time, shift, anchor, origins and sound came along";
    EXPECT_EQ(Walk(pasted, 1).image.width(), 3) << "Ctrl+Shift+V replaced the picture only";
    EXPECT_EQ(Walk(pasted, 2).image.width(), 3);
    EXPECT_EQ(Walk(pasted, 2).displayTime, 345u) << "the new frame takes the current frame's time";
    EXPECT_EQ(Walk(pasted, 2).sound, "");
}

// A 1-bit picture with every byte there but one pixel wider than a frame takes: the paste is
// refused with a box over the dialog, and the editor goes on with the animation as it was.
TEST(Clipboard, APictureLargerThanAFrameTakesIsRefusedWithABox) {
    TarvelProcess tarvel(editor_files::Folder("clipboard-large"));
    const AnimationWindows windows = OpenAnimationDialog(tarvel, 1004);
    std::vector<uint8_t> wide = EncodeDibHeader(MakeDibHeader(8193, 64, 1));
    wide.insert(wide.end(), {0, 0, 0, 0, 255, 255, 255, 0});
    wide.resize(wide.size() + DibStride(MakeDibHeader(8193, 64, 1)) * 64, 0x0F);
    ASSERT_TRUE(PutDibOnClipboard(wide));
    PressKeys(windows.dialog, {VK_CONTROL, 'V'}, windows.frameList);
    HWND box = WaitForDialog(tarvel.ProcessId(), "Paste");
    ASSERT_NE(box, nullptr) << "refused with a box";
    EXPECT_NE(MessageText(box).find("8193 x 64 pixels"), std::string::npos) << MessageText(box);
    PostMessageA(GetDlgItem(box, IDOK), BM_CLICK, 0, 0);
    EXPECT_TRUE(WaitUntil([&] { return !IsWindow(box); }));
    EXPECT_EQ(ListItems(windows.frameList).size(), 1u) << "nothing pasted";
    EXPECT_FALSE(tarvel.HasEnded(0));
}
