// A character with nothing to do runs no timer and presents nothing, yet a request, a
// position put or a show is acted on at once; idling arms one timer for the idle action.
#include "Win32Api.h"

#include <gtest/gtest.h>

#include "CharacterMessages.h"
#include "LiveCharacter.h"

namespace {

bool TimerStops(LiveCharacter& character) {
    return PumpUntil([&] { return !character.Body().IsTickTimerArmed(); }, 2000);
}

RECT WindowRect(HWND window) {
    RECT rect{};
    GetWindowRect(window, &rect);
    return rect;
}

}  // namespace

TEST(IdleTicks, AShownCharacterWithNothingToDoRunsNoTimerButARequestStartsAtOnce) {
    LiveCharacter character;
    character.ShowAt(200, 200);
    ASSERT_TRUE(TimerStops(character));
    const unsigned presents = character.Body().PresentCount();
    PumpFor(600);
    EXPECT_EQ(character.Body().PresentCount(), presents) << "nothing changed, nothing is presented";
    EXPECT_FALSE(character.Body().IsTickTimerArmed());

    const DWORD posted = GetTickCount();
    character.PlayInPlace(1, L"quick");
    ASSERT_TRUE(character.WaitFor(CRN_REQUESTSTART, 1, 1000)) << "a request to an idle character must start";
    for (const Notification& start : character.Receiver().Of(CRN_REQUESTSTART)) {
        if (start.wParam != 1) continue;
        EXPECT_LT(start.postTime - posted, 80u) << "it starts at the next wake, not a period later";
    }
    ASSERT_TRUE(character.WaitForCompletion(1));
    EXPECT_TRUE(TimerStops(character)) << "once the request is done the timer goes again";
}

TEST(IdleTicks, APositionPutFromTheClientMovesTheWindowWithoutATimerRunning) {
    LiveCharacter character;
    character.ShowAt(200, 200);
    ASSERT_TRUE(TimerStops(character));
    const RECT before = WindowRect(character.Window());
    character.Body().SetReferencePoint(340, 260);
    EXPECT_TRUE(PumpUntil([&] { return WindowRect(character.Window()).left == before.left + 140; }, 1000));
    EXPECT_TRUE(TimerStops(character));
}

TEST(IdleTicks, IdlingArmsTheTimerForTheIdleActionAndAHiddenCharacterRunsNone) {
    LiveCharacter character;
    character.ShowAt(200, 200);
    ASSERT_TRUE(TimerStops(character));
    character.Body().SetIdle({"quick"});
    PumpFor(300);
    EXPECT_TRUE(character.Body().IsTickTimerArmed()) << "the idle action is due in a few seconds";
    character.Body().SetVisible(false);
    EXPECT_TRUE(TimerStops(character)) << "a hidden character does not idle";
    character.Body().SetVisible(true);
    PumpFor(300);
    EXPECT_TRUE(character.Body().IsTickTimerArmed());
}
