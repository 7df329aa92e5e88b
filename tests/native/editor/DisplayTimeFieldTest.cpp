// The display-time field: what typing, erasing and the editor's own rewrites do to the text
// and to the frame's display time.
#include <gtest/gtest.h>

#include "CFrame.h"
#include "DisplayTimeField.h"
#include "FieldText.h"

namespace {

// Plays the part of the edit control: applies the rewrites the rules ask for, each of which
// comes back as a new update notification, as it does from a real control.
struct FieldHarness {
    std::string Type(const std::string& text) {
        std::string shown = text;
        for (int guard = 0; guard < 5; ++guard) {
            const auto rewrite = field.OnTextUpdate(shown, &frame);
            if (!rewrite) return shown;
            shown = rewrite->text;
            caret = rewrite->caret;
        }
        ADD_FAILURE() << "the field keeps rewriting itself";
        return shown;
    }
    std::string EditorSets(uint32_t displayTime) {
        field.BeginEditorRewrite();
        return Type(DisplayTimeText(displayTime));
    }
    CDisplayTimeField field;
    CFrame frame;
    size_t caret = 0;
};

}  // namespace

TEST(DisplayTimeField, ADigitTypedIntoALoneZeroReplacesIt) {
    for (const char* typed : {"50", "05"}) {
        FieldHarness h;
        h.EditorSets(0);
        EXPECT_EQ(h.Type(typed), "5") << typed;
        EXPECT_EQ(h.frame.displayTime, 5u) << typed;
        EXPECT_EQ(h.caret, 1u) << "caret after the first character";
    }
}

TEST(DisplayTimeField, TypingGoesOnNormallyOnceTheFieldHoldsANumber) {
    FieldHarness h;
    h.EditorSets(0);
    h.Type("10");  // "1" typed before the zero
    EXPECT_EQ(h.Type("15"), "15");
    EXPECT_EQ(h.Type("150"), "150") << "a trailing zero stays once the value is not 0";
    EXPECT_EQ(h.frame.displayTime, 150u);
}

TEST(DisplayTimeField, ErasingShowsZeroAndLettersEndTheNumber) {
    FieldHarness h;
    h.EditorSets(40);
    EXPECT_EQ(h.Type(""), "0");
    EXPECT_EQ(h.frame.displayTime, 0u);
    EXPECT_EQ(h.Type("012"), "12");
    EXPECT_EQ(h.Type("12ab"), "12");
    EXPECT_EQ(h.frame.displayTime, 12u);
    EXPECT_EQ(h.Type("  7"), "7") << "leading blanks are skipped";
}

TEST(DisplayTimeField, NumbersThatAreNoDisplayTimeAreRefused) {
    FieldHarness h;
    h.frame.displayTime = 300;
    h.EditorSets(300);
    EXPECT_EQ(h.Type("-5"), "300") << "a negative number is refused: the stored time shows again";
    EXPECT_EQ(h.frame.displayTime, 300u);
    EXPECT_EQ(h.caret, 3u) << "the caret after the restored text";
    EXPECT_EQ(h.Type("2147483648"), "300") << "one beyond 2^31 - 1 ms";
    EXPECT_EQ(h.Type("99999999999999999999"), "300");
    EXPECT_EQ(h.frame.displayTime, 300u);
    EXPECT_EQ(h.Type("2147483647"), "2147483647") << "the largest display time is taken";
    EXPECT_EQ(h.frame.displayTime, 2147483647u);
    EXPECT_EQ(h.Type(""), "0") << "0 stays accepted";
    EXPECT_EQ(h.frame.displayTime, 0u);
    EXPECT_EQ(h.field.LastFieldValue(), 0);
}

TEST(DisplayTimeField, AStoredTimeBeyondTheRangeIsStillShownByTheEditor) {
    FieldHarness h;
    h.frame.displayTime = 0xFFFFFFFBu;  // as a file may hold it
    EXPECT_EQ(h.EditorSets(h.frame.displayTime), "-5");
    EXPECT_EQ(h.frame.displayTime, 0xFFFFFFFBu);
}

TEST(DisplayTimeField, EditorRewritesLeaveTheFramesValueAlone) {
    FieldHarness h;
    h.frame.displayTime = 100;
    h.field.BeginEditorRewrite();
    // Whatever the editor writes, the frame keeps its time; the field remembers the value.
    EXPECT_FALSE(h.field.OnTextUpdate("250", &h.frame).has_value());
    EXPECT_EQ(h.frame.displayTime, 100u);
    EXPECT_EQ(h.field.LastFieldValue(), 250);
    EXPECT_FALSE(h.field.IsEditorRewrite()) << "the flag covers one update only";
    EXPECT_EQ(h.Type("2500"), "2500") << "the next update is the author's again";
    EXPECT_EQ(h.frame.displayTime, 2500u);
}

TEST(DisplayTimeField, AnEditorRewriteOfZeroIsNotTakenForTyping) {
    FieldHarness h;
    h.frame.displayTime = 7;
    h.field.BeginEditorRewrite();
    EXPECT_FALSE(h.field.OnTextUpdate("10", &h.frame).has_value()) << "no zero is removed from a rewrite";
    EXPECT_EQ(h.frame.displayTime, 7u);
}

TEST(DisplayTimeField, WithoutAFrameOnlyTheFieldChanges) {
    CDisplayTimeField field;
    const auto rewrite = field.OnTextUpdate("", nullptr);
    ASSERT_TRUE(rewrite.has_value());
    EXPECT_EQ(rewrite->text, "0");
    EXPECT_EQ(field.LastFieldValue(), 0);
}

TEST(FieldText, ReadsNumbersTheWayAtolDoes) {
    EXPECT_EQ(ParseLikeAtol(" \t-42xyz"), -42);
    EXPECT_EQ(ParseLikeAtol("+17"), 17);
    EXPECT_EQ(ParseLikeAtol("x12"), 0);
    EXPECT_EQ(ParseLikeAtol("-"), 0);
    EXPECT_EQ(ParseLikeAtol("99999999999"), 2147483647);
    EXPECT_EQ(ParseLikeAtol("-99999999999"), -2147483647 - 1);
    EXPECT_EQ(ParseLikeAtol("- 3"), 0) << "no blank between sign and digits";
}

TEST(FieldText, TruncatesTowardZero) {
    EXPECT_EQ(TruncateToInt(2.9f), 2);
    EXPECT_EQ(TruncateToInt(-2.9f), -2);
    EXPECT_EQ(TruncateToInt(1e20f), 2147483647);
}

TEST(FieldText, FrameItemsArePaddedToThreeDigits) {
    EXPECT_EQ(FrameListItem(0), "Frame   0");
    EXPECT_EQ(FrameListItem(42), "Frame  42");
    EXPECT_EQ(FrameListItem(999), "Frame 999");
    EXPECT_LT(FrameListItem(9), FrameListItem(10)) << "items sort in index order";
}
