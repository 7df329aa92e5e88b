// The frame window's editing: selection, frame commands, fields and dragging.
#include <gtest/gtest.h>

#include "FrameEditor.h"
#include "PointMarks.h"
#include "TestModels.h"

namespace {

CFrame Frame(uint32_t displayTime, bool picture = true) {
    CFrame frame;
    frame.displayTime = displayTime;
    if (picture) frame.image = CBryDIB(testing_models::PatternBlock(20, 20, 24));
    return frame;
}

CFrameEditor EditorWith(size_t frames, size_t current = 0) {
    CAnimation animation;
    for (size_t i = 0; i < frames; ++i) animation.frames.push_back(Frame(100 * static_cast<uint32_t>(i + 1)));
    CFrameEditor editor;
    editor.SetAnimation(animation);
    editor.SelectFrame(current);
    return editor;
}

constexpr int kClient = 100;  // a 20 x 20 picture lands at (40, 40)

}  // namespace

TEST(FrameSelection, PickingTheCurrentFrameAsksForThePopup) {
    CFrameEditor editor = EditorWith(3);
    EXPECT_FALSE(editor.SelectFrame(2)) << "another frame: select it";
    EXPECT_EQ(editor.CurrentIndex(), 2u);
    EXPECT_TRUE(editor.SelectFrame(2)) << "the same frame again: the Frame popup";
    EXPECT_FALSE(editor.SelectFrame(7)) << "no such frame";
    EXPECT_TRUE(editor.ClampCurrentIndex());
    EXPECT_EQ(editor.CurrentIndex(), 2u);
}

TEST(FrameCommands, InsertNewPutsAnEmptyFrameAfterTheCurrentOne) {
    CFrameEditor editor = EditorWith(5, 3);
    editor.InsertNewFrame();
    ASSERT_EQ(editor.Animation().frames.size(), 6u);
    EXPECT_EQ(editor.CurrentIndex(), 4u);
    EXPECT_EQ(editor.Animation().frames[4], CFrame());
    EXPECT_EQ(editor.Animation().frames[5].displayTime, 500u) << "the old frame 4 moved up";
    editor.SelectFrame(5);
    editor.InsertNewFrame();
    EXPECT_EQ(editor.CurrentIndex(), 6u) << "on the last frame it appends";
    EXPECT_EQ(editor.Animation().frames.size(), 7u);
}

TEST(FrameCommands, InsertNewGivesAFramelessAnimationItsFirstFrame) {
    CFrameEditor editor;
    editor.SetAnimation(CAnimation());
    EXPECT_EQ(editor.CurrentFrame(), nullptr);
    editor.InsertNewFrame();
    ASSERT_EQ(editor.Animation().frames.size(), 1u);
    EXPECT_EQ(editor.CurrentIndex(), 0u);
    EXPECT_NE(editor.CurrentFrame(), nullptr);
}

TEST(FrameCommands, DeleteRemovesTheCurrentFrame) {
    CFrameEditor first = EditorWith(2, 0);
    EXPECT_EQ(first.DeleteCurrentFrame(), DeleteOutcome::Deleted);
    ASSERT_EQ(first.Animation().frames.size(), 1u);
    EXPECT_EQ(first.Animation().frames[0].displayTime, 200u) << "the former frame 1 is now frame 0";
    EXPECT_EQ(first.CurrentIndex(), 0u);

    CFrameEditor last = EditorWith(3, 2);
    EXPECT_EQ(last.DeleteCurrentFrame(), DeleteOutcome::Deleted);
    EXPECT_EQ(last.CurrentIndex(), 1u) << "the new last frame becomes current";
}

TEST(FrameCommands, TheOnlyFrameIsNeverDeleted) {
    CFrameEditor editor = EditorWith(1);
    EXPECT_EQ(editor.DeleteCurrentFrame(), DeleteOutcome::RefusedLastFrame);
    EXPECT_EQ(editor.Animation().frames.size(), 1u);
    CFrameEditor empty;
    EXPECT_EQ(empty.DeleteCurrentFrame(), DeleteOutcome::NoSuchFrame);
}

TEST(FrameCommands, SoundOriginAndShiftActOnTheCurrentFrameOnly) {
    CFrameEditor editor = EditorWith(3, 1);
    editor.SetSound("bark.wav");
    editor.PutOrigin("ball");
    editor.SetShiftX(" -12.7px");
    editor.SetShiftY("x");
    const auto& frames = editor.Animation().frames;
    EXPECT_EQ(frames[1].sound, "bark.wav");
    ASSERT_NE(frames[1].FindOrigin("ball"), nullptr);
    EXPECT_EQ(*frames[1].FindOrigin("ball"), (PointF{0, 0}));
    EXPECT_EQ(frames[1].shift, (PointF{-12, 0}));
    EXPECT_TRUE(frames[0].sound.empty());
    EXPECT_EQ(frames[2].FindOrigin("ball"), nullptr) << "later frames get the origin when it is dragged";
    editor.SelectFrame(1);
    editor.SetSound("");
    EXPECT_TRUE(frames[1].sound.empty());
}

TEST(FrameCommands, PuttingAnExistingOriginResetsIt) {
    CFrameEditor editor = EditorWith(1);
    editor.PutOrigin("ball");
    ASSERT_TRUE(editor.Press(40, 40, kClient, kClient, "Pip"));  // the anchor and ball share (40, 40)
    editor.MoveTo(50, 45, "Pip");
    editor.Release();
    editor.PutOrigin("ball");
    EXPECT_EQ(*editor.Animation().frames[0].FindOrigin("ball"), (PointF{0, 0}));
}

TEST(Dragging, TheAnchorMovesInTheCurrentAndAllLaterFrames) {
    CFrameEditor editor = EditorWith(4, 1);
    ASSERT_TRUE(editor.Press(42, 38, kClient, kClient, "Pip"));
    EXPECT_EQ(editor.DragTarget(), "Pip");
    EXPECT_TRUE(editor.MoveTo(45, 40, "Pip"));
    EXPECT_TRUE(editor.MoveTo(52, 36, "Pip"));
    editor.Release();
    EXPECT_FALSE(editor.MoveTo(60, 60, "Pip")) << "released: nothing moves";
    const auto& frames = editor.Animation().frames;
    EXPECT_EQ(frames[0].anchor, (PointF{0, 0}));
    for (size_t i = 1; i < 4; ++i) EXPECT_EQ(frames[i].anchor, (PointF{10, -2})) << i;
}

TEST(Dragging, AnOriginIsCreatedInLaterFramesThatLackIt) {
    CFrameEditor editor = EditorWith(3, 0);
    editor.PutOrigin("ball");
    ASSERT_TRUE(editor.Press(40, 40, kClient, kClient, "Pip"));
    EXPECT_EQ(editor.DragTarget(), "ball") << "the origin is hit after the anchor";
    editor.MoveTo(47, 43, "Pip");
    const auto& frames = editor.Animation().frames;
    for (const CFrame& frame : frames) {
        ASSERT_NE(frame.FindOrigin("ball"), nullptr);
        EXPECT_EQ(*frame.FindOrigin("ball"), (PointF{7, 3}));
        EXPECT_EQ(frame.anchor, (PointF{0, 0}));
    }
}

TEST(Dragging, AnOriginNamedLikeTheCharacterMovesTheAnchor) {
    CFrameEditor editor = EditorWith(2, 0);
    editor.PutOrigin("Pip");
    ASSERT_TRUE(editor.Press(40, 40, kClient, kClient, "Pip"));
    editor.MoveTo(43, 44, "Pip");
    const auto& frames = editor.Animation().frames;
    EXPECT_EQ(frames[1].anchor, (PointF{3, 4}));
    EXPECT_EQ(*frames[0].FindOrigin("Pip"), (PointF{0, 0}));
    EXPECT_EQ(frames[1].FindOrigin("Pip"), nullptr);
}

TEST(Dragging, APressThatHitsNothingChangesNothing) {
    CFrameEditor editor = EditorWith(1);
    ASSERT_TRUE(editor.Press(40, 40, kClient, kClient, "Pip"));
    editor.MoveTo(41, 40, "Pip");
    EXPECT_FALSE(editor.Press(90, 90, kClient, kClient, "Pip"));
    EXPECT_TRUE(editor.IsDragging()) << "a missed press leaves the state as it was";
}

TEST(Dragging, NothingIsHitWithoutAPictureOrWithoutFrames) {
    CAnimation animation;
    animation.frames.push_back(Frame(100, false));
    CFrameEditor editor;
    editor.SetAnimation(animation);
    EXPECT_FALSE(editor.Press(50, 50, kClient, kClient, "Pip"));
    editor.SetAnimation(CAnimation());
    EXPECT_FALSE(editor.Press(50, 50, kClient, kClient, "Pip"));
    EXPECT_FALSE(editor.LoadPicture("missing.bmp"));
    editor.SetSound("x.wav");
    editor.SetShiftX("3");
    EXPECT_TRUE(editor.Animation().frames.empty());
}

TEST(FrameList, OneItemPerFrame) {
    EXPECT_EQ(EditorWith(3).FrameListItems(), (std::vector<std::string>{"Frame   0", "Frame   1", "Frame   2"}));
    EXPECT_TRUE(CFrameEditor().FrameListItems().empty());
}

TEST(Zoom, WholeStepsFromOneToEightTimes) {
    CFrameEditor editor = EditorWith(1);
    EXPECT_EQ(editor.Zoom(), 1) << "opens at 100 %";
    EXPECT_FALSE(editor.ZoomOut());
    for (int step = 2; step <= 8; ++step) {
        EXPECT_TRUE(editor.ZoomIn());
        EXPECT_EQ(editor.Zoom(), step);
    }
    EXPECT_FALSE(editor.ZoomIn()) << "800 % at most";
    EXPECT_TRUE(editor.ZoomByWheel(-120));
    EXPECT_EQ(editor.Zoom(), 7);
    EXPECT_TRUE(editor.ResetZoom());
    EXPECT_EQ(editor.Zoom(), 1);
    EXPECT_TRUE(editor.ZoomByWheel(120));
    EXPECT_EQ(editor.Zoom(), 2);
}

TEST(Zoom, StartingStepShowsAtLeastTheNaturalSizeAndIsWhereResetGoes) {
    EXPECT_EQ(StartingZoomForDpi(96), 1);
    EXPECT_EQ(StartingZoomForDpi(120), 2) << "125 %: 100 % would be smaller than natural";
    EXPECT_EQ(StartingZoomForDpi(192), 2);
    EXPECT_EQ(StartingZoomForDpi(216), 3);
    EXPECT_EQ(StartingZoomForDpi(0), 1);
    EXPECT_EQ(StartingZoomForDpi(100000), kMaxZoom);
    CFrameEditor editor;
    editor.SetStartingZoom(StartingZoomForDpi(144));
    EXPECT_EQ(editor.Zoom(), 2);
    EXPECT_TRUE(editor.ZoomOut());
    EXPECT_TRUE(editor.ResetZoom());
    EXPECT_EQ(editor.Zoom(), 2) << "reset returns to the starting step, not to 100 %";
    EXPECT_FALSE(editor.ResetZoom());
}

TEST(Zoom, PressesAndDragsAreInPicturePixels) {
    CFrameEditor editor = EditorWith(1);
    editor.CurrentFrame()->anchor = {5, 6};
    editor.ZoomIn();
    editor.ZoomIn();  // 300 %: the 20 x 20 picture is 60 x 60 at (20, 20)
    EXPECT_EQ(CentredPicture(*editor.CurrentFrame(), kClient, kClient, 3).x, 20);
    EXPECT_FALSE(editor.Press(25, 26, kClient, kClient, "Pip")) << "where the anchor is at 100 %";
    ASSERT_TRUE(editor.Press(35, 38, kClient, kClient, "Pip")) << "20 + 3 * 5, 20 + 3 * 6";
    editor.MoveTo(41, 35, "Pip");
    editor.Release();
    EXPECT_FLOAT_EQ(editor.Animation().frames[0].anchor.x, 7.0f);
    EXPECT_FLOAT_EQ(editor.Animation().frames[0].anchor.y, 5.0f);
    editor.Nudge(1, 0, "Pip");
    EXPECT_FLOAT_EQ(editor.Animation().frames[0].anchor.x, 8.0f) << "an arrow moves one picture pixel";
    const auto marks = PointMarks(editor.Animation().frames[0], "Pip", kClient, kClient, 3);
    EXPECT_EQ(marks[0].box.right - marks[0].box.left, 10) << "the ring keeps its size";
}

TEST(FrameEditorZoom, FollowsAMoveToAMonitorOfAnotherScale) {
    EXPECT_EQ(ZoomAfterDpiChange(2, 144, 96), 1) << "at the starting step: the new monitor's";
    EXPECT_EQ(ZoomAfterDpiChange(1, 96, 192), 2);
    EXPECT_EQ(ZoomAfterDpiChange(4, 96, 192), 8) << "zoomed in: as large on the screen as before";
    EXPECT_EQ(ZoomAfterDpiChange(8, 96, 192), 8) << "within the limits";
    EXPECT_EQ(ZoomAfterDpiChange(3, 144, 96), 2);
    EXPECT_EQ(ZoomAfterDpiChange(5, 192, 96), 3) << "rounded";
    CFrameEditor editor;
    editor.SetStartingZoom(StartingZoomForDpi(96));
    editor.ZoomIn();
    editor.ZoomIn();
    editor.FollowDpi(96, 168);
    EXPECT_EQ(editor.Zoom(), 5);
    EXPECT_TRUE(editor.ResetZoom());
    EXPECT_EQ(editor.Zoom(), StartingZoomForDpi(168)) << "reset goes to the new monitor's step";
}
