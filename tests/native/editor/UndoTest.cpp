// Undo and redo: every kind of change steps back and forth exactly, a drag is one step,
// typing into one field is one step, and the memory held stays within the budget.
#include <gtest/gtest.h>

#include <functional>

#include "CharacterDiff.h"
#include "CharacterDocument.h"
#include "FrameEditor.h"
#include "TestModels.h"
#include "UndoHistory.h"

namespace {

CFrame PictureFrame(uint32_t displayTime, int seed = 0) {
    CFrame frame;
    frame.displayTime = displayTime;
    frame.image = CBryDIB(testing_models::PatternBlock(20 + seed, 20, 24));
    return frame;
}

CFrameEditor EditorWith(size_t frames) {
    CAnimation animation;
    animation.name = "Walk";
    for (size_t i = 0; i < frames; ++i) animation.frames.push_back(PictureFrame(100 * static_cast<uint32_t>(i + 1)));
    CFrameEditor editor;
    editor.SetAnimation(animation);
    return editor;
}

constexpr int kClient = 100;  // a 20 x 20 picture lands at (40, 40)

// Undoes every step, checking the animation before each change, then redoes them all.
void ExpectStepsRetrace(CFrameEditor& editor, const std::vector<CAnimation>& states) {
    ASSERT_EQ(editor.UndoSteps(), states.size() - 1);
    for (size_t i = states.size() - 1; i-- > 0;) {
        ASSERT_TRUE(editor.Undo());
        EXPECT_EQ(editor.Animation(), states[i]) << "after undoing step " << i + 1;
    }
    EXPECT_FALSE(editor.Undo()) << "nothing before the start";
    for (size_t i = 1; i < states.size(); ++i) {
        ASSERT_TRUE(editor.Redo());
        EXPECT_EQ(editor.Animation(), states[i]) << "after redoing step " << i;
    }
    EXPECT_FALSE(editor.Redo());
}

}  // namespace

TEST(Undo, EveryKindOfFrameChangeIsAStep) {
    CFrameEditor editor = EditorWith(3);
    std::vector<CAnimation> states{editor.Animation()};
    const auto step = [&](const std::function<void()>& change) {
        change();
        states.push_back(editor.Animation());
    };
    step([&] { editor.InsertNewFrame(); });
    step([&] { editor.SelectFrame(0), editor.SetSound("step.wav"); });
    step([&] { editor.PutOrigin("Ball"); });
    step([&] { editor.SetShiftX("1"), editor.SetShiftX("12"), editor.SetShiftX("12x"); });  // typing: one step
    step([&] { editor.SetShiftY("-3"); });
    step([&] { editor.CurrentFrame()->displayTime = 750, editor.DisplayTimeTyped(); });
    step([&] { editor.SelectFrame(2), editor.DeleteCurrentFrame(); });
    step([&] { editor.SetName("W"), editor.SetName("Wa"); });
    step([&] {  // a drag of 19 moves: one step
        ASSERT_TRUE(editor.Press(40, 40, kClient, kClient, "Pip"));
        for (int x = 41; x < 60; ++x) editor.MoveTo(static_cast<float>(x), 42, "Pip");
        editor.Release();
    });
    step([&] { editor.Nudge(10, 0, "Pip"); });
    ExpectStepsRetrace(editor, states);
}

TEST(Undo, ArrowsMoveTheOriginLastPressedElseTheAnchor) {
    CFrameEditor editor = EditorWith(2);
    editor.Nudge(1, 0, "Pip");
    EXPECT_FLOAT_EQ(editor.Animation().frames[0].anchor.x, 1.0f);
    editor.PutOrigin("Ball");  // at (0, 0), away from the anchor at (1, 0)
    ASSERT_TRUE(editor.Press(38, 38, kClient, kClient, "Pip"));
    editor.Release();
    editor.Nudge(0, 10, "Pip");
    EXPECT_FLOAT_EQ(editor.Animation().frames[1].FindOrigin("Ball")->y, 10.0f) << "later frames too, as dragging";
    EXPECT_FLOAT_EQ(editor.Animation().frames[0].anchor.y, 0.0f);
}

TEST(Undo, ArrowsNeverMakeTheSelectedOriginOnAFrameWithoutIt) {
    CFrameEditor editor = EditorWith(2);
    editor.SelectFrame(1);
    editor.Nudge(5, 0, "Pip");  // the anchor away from where the origin is put
    editor.PutOrigin("Ball");
    ASSERT_TRUE(editor.Press(38, 38, kClient, kClient, "Pip"));
    editor.Release();
    editor.SelectFrame(0);
    const CAnimation before = editor.Animation();
    ASSERT_EQ(before.frames[0].FindOrigin("Ball"), nullptr);
    editor.Nudge(1, 0, "Pip");
    EXPECT_EQ(editor.Animation(), before);
}

TEST(Undo, AHundredAndFiftyStepsGoBack) {
    CFrameEditor editor = EditorWith(1);
    const CAnimation start = editor.Animation();
    for (int i = 0; i < 150; ++i) editor.InsertNewFrame();
    EXPECT_EQ(editor.Animation().frames.size(), 151u);
    for (int i = 0; i < 150; ++i) ASSERT_TRUE(editor.Undo()) << i;
    EXPECT_EQ(editor.Animation(), start);
}

TEST(Undo, StepsDoNotHoldPicturesTheyLeftAlone) {
    CAnimation big;
    for (uint32_t i = 0; i < 50; ++i) big.frames.push_back(PictureFrame(i, 100));  // 120 x 20 pictures
    CAnimation changed = big;
    for (CFrame& frame : changed.frames) frame.anchor.x += 5;  // as a drag from frame 0 does
    const CAnimationDiff diff = CAnimationDiff::Between(big, changed);
    EXPECT_LT(diff.Bytes(), 50 * big.frames[0].image.Block().size() / 4) << "no picture copied";
    CAnimation replay = big;
    diff.Redo(replay);
    EXPECT_EQ(replay, changed);
    diff.Undo(replay);
    EXPECT_EQ(replay, big);
}

TEST(Undo, TheBudgetDropsTheOldestStepsButKeepsTheNewest) {
    CAnimation animation;
    animation.frames.push_back(CFrame());
    CUndoHistory<CAnimation, CAnimationDiff> history(20000);
    history.Reset(animation);
    for (int i = 0; i < 40; ++i) {
        animation.frames[0].image = CBryDIB(testing_models::PatternBlock(30, 30 + i, 24));  // about 3 KB a side
        history.Record(animation);
        EXPECT_LE(history.Bytes(), 20000u);
    }
    EXPECT_GE(history.UndoSteps(), 1u);
    EXPECT_LT(history.UndoSteps(), 10u);
    const CAnimation newest = animation;
    ASSERT_TRUE(history.Undo(animation));
    EXPECT_EQ(animation.frames[0].image.height(), 30 + 38);
    ASSERT_TRUE(history.Redo(animation));
    EXPECT_EQ(animation, newest);
}

TEST(Undo, CharacterChangesStepBackAndForth) {
    CCharacterModel character = testing_models::RichModel();
    CUndoHistory<CCharacterModel, CCharacterDiff> history;
    history.Reset(character);
    std::vector<CCharacterModel> states{character};
    const std::string first = character.Animations().begin()->first;
    const CAnimation opened = *character.FindAnimation(first);
    StoreNewAnimation(character, "Jump", NewAnimationTemplate());
    history.Record(character);
    states.push_back(character);
    CAnimation edited = opened;
    edited.frames[0].anchor.x += 3;
    StoreEditedAnimation(character, first, "Renamed", edited);  // edited and renamed
    history.Record(character);
    states.push_back(character);
    DeleteAnimation(character, "Jump");
    history.Record(character);
    states.push_back(character);
    for (const char* typed : {"P", "Pi", "Pip"}) {
        character.SetCharacterName(typed);
        history.Record(character, "name");
    }
    states.push_back(character);
    ASSERT_EQ(history.UndoSteps(), states.size() - 1);
    for (size_t i = states.size() - 1; i-- > 0;) {
        ASSERT_TRUE(history.Undo(character));
        EXPECT_EQ(character, states[i]) << i;
    }
    for (size_t i = 1; i < states.size(); ++i) {
        ASSERT_TRUE(history.Redo(character));
        EXPECT_EQ(character, states[i]) << i;
    }
}

// Typing that cancels itself out leaves no step, and the next typing of that kind does not
// merge into the step before it (an edited animation would be undone with the name).
TEST(Undo, TypingThatCancelsOutNeverMergesIntoAnOlderStep) {
    CCharacterModel character = testing_models::RichModel();
    const std::string originalName = character.CharacterName();
    CUndoHistory<CCharacterModel, CCharacterDiff> history;
    history.Reset(character);
    StoreNewAnimation(character, "Jump", NewAnimationTemplate());
    history.Record(character);
    const CCharacterModel withJump = character;
    character.SetCharacterName(originalName + "x");
    history.Record(character, "name");
    character.SetCharacterName(originalName);  // backspace
    history.Record(character, "name");
    character.SetCharacterName(originalName + "y");
    history.Record(character, "name");
    ASSERT_EQ(history.UndoSteps(), 2u);
    ASSERT_TRUE(history.Undo(character));
    EXPECT_EQ(character, withJump) << "only the name goes back";
}
