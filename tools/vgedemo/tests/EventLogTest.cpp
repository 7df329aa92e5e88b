#include <gtest/gtest.h>

#include "EventLog.h"

TEST(vgedemo_EventLog, EventsReadAsCallsWithTheirArguments) {
    EXPECT_EQ(EventCall(kLButtonClickEvent, {30, 150}), "LButtonClick(30, 150)");
    EXPECT_EQ(EventCall(kChangeZOrderEvent, {-1}), "ChangeZOrder(-1)");
    EXPECT_EQ(EventCall(kMoveEvent, {10, 20, 160, 200, 0}), "Move(10, 20, 160, 200, 0)");
    EXPECT_EQ(EventCall(kKeyEvent, {27}), "Key(27)");
    EXPECT_EQ(EventCall(kLButtonUpEvent, {}), "LButtonUp()");
    EXPECT_EQ(EventCall(0, {1}), "Event0(1)");
    EXPECT_EQ(EventCall(12, {1, 2}), "Event12(1, 2)");
}

TEST(vgedemo_EventLog, MovesArePrintedOnlyWhileTheCharacterIsDragged) {
    EventLog log;
    EXPECT_FALSE(log.Describe(kMoveEvent, {1, 2, 160, 200, 0})) << "a walk's moves are not worth a line";
    EXPECT_EQ(log.Describe(kLButtonClickEvent, {5, 6}), "LButtonClick(5, 6)");
    EXPECT_TRUE(log.Dragging());
    EXPECT_EQ(log.Describe(kMoveEvent, {3, 4, 160, 200, 0}), "Move(3, 4, 160, 200, 0) dragged");
    EXPECT_EQ(log.Describe(kLButtonUpEvent, {5, 6}), "LButtonUp(5, 6)");
    EXPECT_FALSE(log.Dragging());
    EXPECT_FALSE(log.Describe(kMoveEvent, {7, 8, 160, 200, 0}));
    EXPECT_EQ(log.Describe(kLButtonDblClickEvent, {1, 1}), "LButtonDblClick(1, 1)");
    EXPECT_FALSE(log.Dragging()) << "a double click starts no drag";
}

TEST(vgedemo_EventLog, RequestsSayWhatTheyAreUntilTheyComplete) {
    EventLog log;
    log.NameRequest(3, "Walk to (470, 635)");
    log.NameRequest(4, "Wave");
    EXPECT_EQ(log.Describe(kRequestStartEvent, {3}), "RequestStart(3): Walk to (470, 635)");
    EXPECT_EQ(log.Describe(kRequestCompleteEvent, {3}), "RequestComplete(3): Walk to (470, 635)");
    EXPECT_EQ(log.Describe(kRequestCompleteEvent, {3}), "RequestComplete(3)") << "forgotten once complete";
    EXPECT_EQ(log.Describe(kRequestStartEvent, {4}), "RequestStart(4): Wave");
    EXPECT_EQ(log.Describe(kRequestStartEvent, {9}), "RequestStart(9)") << "a request the demo did not name";
    log.NameRequest(4, "Wave again");
    EXPECT_EQ(log.Describe(kRequestCompleteEvent, {4}), "RequestComplete(4): Wave again");
}

TEST(vgedemo_EventLog, ContextMenuSaysWhatWasChosen) {
    EventLog log;
    EXPECT_EQ(log.Describe(kContextMenuEvent, {kHideMenuCommand}), "ContextMenu(1): \"Hide\" chosen");
    EXPECT_EQ(log.Describe(kContextMenuEvent, {0}), "ContextMenu(0): menu dismissed");
    EXPECT_EQ(log.Describe(kContextMenuEvent, {7}), "ContextMenu(7): unknown command");
}

TEST(vgedemo_EventLog, LinesCarryTheTimeAndTheCharacter) {
    EXPECT_EQ(LogLine(12345, "Pip", "Key(27)"), "[    12.3 s] Pip    Key(27)");
    EXPECT_EQ(LogLine(0, "Ball", "x"), "[     0.0 s] Ball   x");
    EXPECT_EQ(LogLine(999, "demo", "x"), "[     0.9 s] demo   x") << "tenths are cut, not rounded";
    EXPECT_EQ(LogLine(3600000, "Longname", "x"), "[  3600.0 s] Longname x") << "long names are kept whole";
}
