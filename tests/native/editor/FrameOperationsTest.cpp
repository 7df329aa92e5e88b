// Duplicating and moving frames, each one step back and forth, and the keys that ask for them.
#include <gtest/gtest.h>

#include "EditorKeys.h"
#include "FrameEditor.h"
#include "TestModels.h"

namespace {

// Frames told apart by their times; every one with its own shift, anchor, origin and sound.
CFrameEditor EditorWith(size_t frames, size_t current) {
    CAnimation animation;
    for (size_t i = 0; i < frames; ++i) {
        CFrame frame;
        const auto n = static_cast<float>(i + 1);
        frame.displayTime = 100 * static_cast<uint32_t>(i + 1);
        frame.image = CBryDIB(testing_models::PatternBlock(4 + static_cast<int>(i), 4, 24));
        frame.shift = {n, -n};
        frame.anchor = {2 * n, 3 * n};
        frame.SetOrigin("ball", {n, n});
        frame.sound = "step" + std::to_string(i) + ".wav";
        animation.frames.push_back(frame);
    }
    CFrameEditor editor;
    editor.SetAnimation(animation);
    editor.SelectFrame(current);
    return editor;
}

std::vector<uint32_t> Times(const CFrameEditor& editor) {
    std::vector<uint32_t> times;
    for (const CFrame& frame : editor.Animation().frames) times.push_back(frame.displayTime);
    return times;
}

}  // namespace

TEST(FrameOperations, DuplicateCopiesEverythingAfterTheCurrentFrameAndSelectsTheCopy) {
    CFrameEditor editor = EditorWith(3, 1);
    const CFrame original = editor.Animation().frames[1];
    ASSERT_TRUE(editor.DuplicateCurrentFrame());
    EXPECT_EQ(Times(editor), (std::vector<uint32_t>{100, 200, 200, 300}));
    EXPECT_EQ(editor.CurrentIndex(), 2u);
    EXPECT_EQ(editor.Animation().frames[2], original) << "picture, shift, anchor, origins and sound";
    EXPECT_EQ(editor.UndoSteps(), 1u);
    ASSERT_TRUE(editor.Undo());
    EXPECT_EQ(Times(editor), (std::vector<uint32_t>{100, 200, 300}));
    ASSERT_TRUE(editor.Redo());
    EXPECT_EQ(editor.Animation().frames[2], original);

    CFrameEditor empty;
    EXPECT_FALSE(empty.DuplicateCurrentFrame());
    EXPECT_EQ(empty.UndoSteps(), 0u);
}

TEST(FrameOperations, MovingCarriesTheFrameAndTheSelectionAndStopsAtTheEnds) {
    CFrameEditor editor = EditorWith(3, 1);
    ASSERT_TRUE(editor.MoveCurrentFrame(FrameMove::Earlier));
    EXPECT_EQ(Times(editor), (std::vector<uint32_t>{200, 100, 300}));
    EXPECT_EQ(editor.CurrentIndex(), 0u);
    EXPECT_FALSE(editor.MoveCurrentFrame(FrameMove::Earlier)) << "already first";
    ASSERT_TRUE(editor.MoveCurrentFrame(FrameMove::Later));
    ASSERT_TRUE(editor.MoveCurrentFrame(FrameMove::Later));
    EXPECT_EQ(Times(editor), (std::vector<uint32_t>{100, 300, 200}));
    EXPECT_EQ(editor.CurrentIndex(), 2u);
    EXPECT_FALSE(editor.MoveCurrentFrame(FrameMove::Later)) << "already last";
    EXPECT_EQ(editor.Animation().frames[2].sound, "step1.wav") << "the frame moves whole";
    EXPECT_EQ(editor.UndoSteps(), 3u) << "one step per move, none for a refused one";

    EXPECT_TRUE(editor.Undo());
    EXPECT_TRUE(editor.Undo());
    EXPECT_TRUE(editor.Undo());
    EXPECT_EQ(Times(editor), (std::vector<uint32_t>{100, 200, 300}));
    EXPECT_EQ(editor.Animation().frames[1].sound, "step1.wav");
    EXPECT_TRUE(editor.Redo());
    EXPECT_EQ(Times(editor), (std::vector<uint32_t>{200, 100, 300}));
}

TEST(FrameOperations, TheirKeysNeedCtrlAlone) {
    constexpr int kPageUp = 0x21, kPageDown = 0x22;
    const KeyModifiers ctrl{true, false, false};
    const KeyModifiers ctrlShift{true, true, false};
    EXPECT_EQ(ShortcutForKey('D', ctrl), EditorShortcut::DuplicateFrame);
    EXPECT_EQ(ShortcutForKey(kPageUp, ctrl), EditorShortcut::MoveFrameEarlier);
    EXPECT_EQ(ShortcutForKey(kPageDown, ctrl), EditorShortcut::MoveFrameLater);
    EXPECT_EQ(ShortcutForKey('P', ctrl), EditorShortcut::OnionPrevious);
    EXPECT_EQ(ShortcutForKey('P', ctrlShift), EditorShortcut::OnionNext);
    EXPECT_EQ(ShortcutForKey('I', ctrl), EditorShortcut::Import);
    EXPECT_EQ(ShortcutForKey('G', ctrl), EditorShortcut::SaveGif);
    EXPECT_EQ(ShortcutForKey('D', ctrlShift), EditorShortcut::None);
    EXPECT_EQ(ShortcutForKey('D', KeyModifiers{}), EditorShortcut::None) << "a D typed into a field";
    EXPECT_EQ(ShortcutForKey(kPageUp, KeyModifiers{true, false, true}), EditorShortcut::None) << "with Alt";
}
