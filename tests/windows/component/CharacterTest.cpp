// Character through its vtable: requests and their IDs, the name check, the window members,
// the position queries, waiting, and teardown.
#include <algorithm>

#include "CharacterFixture.h"

using namespace component_tests;

namespace {

class CharacterTest : public CharacterFixture {};

std::vector<int32_t> RequestEvents(const std::vector<RecordedEvent>& events) {
    // start(n) as n, complete(n) as -n, in the order raised
    std::vector<int32_t> order;
    for (const RecordedEvent& event : events) {
        if (event.id == kRequestStartEvent) order.push_back(event.arguments[0]);
        if (event.id == kRequestCompleteEvent) order.push_back(-event.arguments[0]);
    }
    return order;
}

}  // namespace

TEST_F(CharacterTest, RequestsCountFromOneOverBothKinds) {
    EXPECT_EQ(Play(L"Stand"), 1);
    EXPECT_EQ(Play(L"Walk"), 2);
    com::ComPtr<ICharacter> ball = LoadCharacter(engine.Get(), L"b", L"Ball");
    ASSERT_TRUE(ball);
    const com::Bstr kick(L"Kick");
    LONG id = 0;
    ASSERT_EQ(hero->PlayCommonAnimation(kick.Get(), ball.Get(), &id), S_OK);
    EXPECT_EQ(id, 3);
    ASSERT_TRUE(WaitForEvent(kRequestCompleteEvent, 3));
    EXPECT_EQ(RequestEvents(sink.events), (std::vector<int32_t>{1, -1, 2, -2, 3, -3}))
        << "one after another, each started before it completes";
}

TEST_F(CharacterTest, ANameInOtherLetterCasePlaysTheListedAnimation) {
    const LONG id = Play(L"wAVE");
    ASSERT_TRUE(WaitForEvent(kRequestCompleteEvent, id));
    EXPECT_TRUE(HasEvent(sink.events, kRequestStartEvent, {id}))
        << "the thread found the animation: a request it cannot find completes without starting";
}

TEST_F(CharacterTest, AnUnknownNameShowsItsBoxAndLeavesTheId) {
    MessageBoxWatcher boxes;
    const com::Bstr dance(L"Dance");
    LONG id = 77;
    EXPECT_EQ(hero->Play(dance.Get(), 0, 0, 0, &id), S_OK);
    EXPECT_EQ(id, 77);
    EXPECT_EQ(hero->PlayCommonAnimation(dance.Get(), hero.Get(), &id), S_OK);
    EXPECT_EQ(id, 77);
    const auto shown = boxes.Boxes();
    ASSERT_EQ(shown.size(), 2u);
    EXPECT_EQ(shown[0].caption, "Error");
    EXPECT_EQ(shown[0].text, "Animation not found");
    EXPECT_EQ(shown[1].text, "Common animation not found");
    EXPECT_EQ(Play(L"Stand"), 1) << "refused names take no ID";
}

TEST_F(CharacterTest, MembersThatDoNothingLeaveTheirValues) {
    LONG id = 55;
    const com::Bstr text(L"hello");
    EXPECT_EQ(hero->Show(&id), S_OK);
    EXPECT_EQ(hero->Hide(&id), S_OK);
    EXPECT_EQ(hero->DoIdle(&id), S_OK);
    EXPECT_EQ(hero->Speak(text.Get(), &id), S_OK);
    EXPECT_EQ(id, 55);
    EXPECT_EQ(hero->StopCommonAnimation(1), S_OK);
    EXPECT_EQ(hero->Interrupt(1), S_OK);
    EXPECT_EQ(hero->Continue(1), S_OK);
    // The state animations read back as set: empty until a client sets one.
    com::Bstr showAnimation, idleAnimation;
    EXPECT_EQ(hero->get_ShowAnimation(showAnimation.Put()), S_OK);
    EXPECT_EQ(hero->get_IdleAnimation(idleAnimation.Put()), S_OK);
    EXPECT_EQ(showAnimation.Text(), L"");
    EXPECT_EQ(idleAnimation.Text(), L"");
    LONG width = 0;
    EXPECT_EQ(hero->put_Width(5), S_OK);
    EXPECT_EQ(hero->get_Width(&width), S_OK);
    EXPECT_EQ(width, 160);
    LONG height = 0;
    EXPECT_EQ(hero->put_Height(5), S_OK);
    EXPECT_EQ(hero->get_Height(&height), S_OK);
    EXPECT_EQ(height, 200);
}

TEST_F(CharacterTest, PositionReadsBackAtOnceTruncated) {
    LONG x = -1, y = -1;
    ASSERT_EQ(hero->put_X(10), S_OK);
    ASSERT_EQ(hero->get_X(&x), S_OK);
    EXPECT_EQ(x, 10);
    ASSERT_EQ(hero->SetPosition(300, -4), S_OK);
    hero->get_X(&x);
    hero->get_Y(&y);
    EXPECT_EQ(x, 300);
    EXPECT_EQ(y, -4);
    ASSERT_EQ(hero->put_Y(77), S_OK);
    hero->get_X(&x);
    hero->get_Y(&y);
    EXPECT_EQ(x, 300) << "Y leaves X";
    EXPECT_EQ(y, 77);
}

TEST_F(CharacterTest, FlagsAndTheWindow) {
    LONG value = -1;
    ASSERT_EQ(hero->get_Visible(&value), S_OK);
    EXPECT_EQ(value, 0) << "created hidden";
    ASSERT_EQ(hero->put_Visible(1), S_OK);
    hero->get_Visible(&value);
    EXPECT_EQ(value, 1);
    EXPECT_TRUE(IsWindowVisible(WindowOf(hero.Get())));
    hero->put_Visible(0);
    hero->get_Visible(&value);
    EXPECT_EQ(value, 0);

    char className[32] = {};
    GetClassNameA(WindowOf(hero.Get()), className, sizeof(className));
    EXPECT_STREQ(className, "VGECOMCHWNDCLS");

    hero->get_sound(&value);
    EXPECT_EQ(value, 1);
    hero->put_sound(5);
    hero->get_sound(&value);
    EXPECT_EQ(value, 1);
    hero->put_sound(0);
    hero->get_sound(&value);
    EXPECT_EQ(value, 0);

    hero->is_enabled(&value);
    EXPECT_EQ(value, 0) << "not activated yet";
    BSTR id = nullptr;
    ASSERT_EQ(hero->get_ID(&id), S_OK);
    EXPECT_STREQ(id, L"h");
    SysFreeString(id);
}

TEST_F(CharacterTest, ZOrderTakesTheSpecialInsertAfterValues) {
    LONG value = 0;
    ASSERT_EQ(hero->get_ZOrder(&value), S_OK);
    EXPECT_EQ(value, 1) << "no z-order change reported yet";
    // The window is topmost from the start: out of that band first, so that topmost is a change.
    ASSERT_EQ(hero->put_ZOrder(-2), S_OK);
    ASSERT_TRUE(PumpUntil([&] { return HasEvent(sink.events, kChangeZOrderEvent, {-2}); }));
    ASSERT_EQ(hero->put_ZOrder(-1), S_OK);  // topmost
    ASSERT_TRUE(PumpUntil([&] { return HasEvent(sink.events, kChangeZOrderEvent, {-1}); }));
    EXPECT_TRUE(HasEvent(sink.events, kChangeZOrderEvent, {-1}));
    hero->get_ZOrder(&value);
    EXPECT_EQ(value, -1);
    EXPECT_EQ(hero->put_ZOrder(-2), S_OK);  // not topmost
    EXPECT_EQ(hero->put_ZOrder(0), S_OK);   // top
    EXPECT_EQ(hero->put_ZOrder(1), S_OK);   // bottom
}

TEST_F(CharacterTest, ZOrderReportsAMissingWindowAndAFailedPlacement) {
    EXPECT_EQ(hero->put_ZOrder(0x7654321), DISP_E_EXCEPTION) << "no such window to lie after";
    ReportedError error = TakeError();
    EXPECT_EQ(error.description, L"Error Setting Window");
    EXPECT_EQ(error.source, L"VimroGE.Character.1");

    const HWND window = WindowOf(hero.Get());
    PostMessageA(window, 0x47C /* CHM_CLOSE */, 0, 0);
    ASSERT_TRUE(PumpUntil([&] { return !IsWindow(window); }));
    LONG value = 5;
    EXPECT_EQ(hero->get_ZOrder(&value), DISP_E_EXCEPTION);
    error = TakeError();
    EXPECT_EQ(error.description, L"Invalid Window");
    EXPECT_EQ(error.source, L"VimroGE.Character.1");
    EXPECT_EQ(hero->put_ZOrder(0), DISP_E_EXCEPTION);
    EXPECT_EQ(TakeError().description, L"Invalid Window");
    // The members that need the window answer 0 without it.
    hero->get_hWnd(&value);
    EXPECT_EQ(value, 0);
    value = 5;
    hero->get_Width(&value);
    EXPECT_EQ(value, 0);
    value = 5;
    hero->get_Visible(&value);
    EXPECT_EQ(value, 0);
}

TEST_F(CharacterTest, AskForPositionFromTheFirstFrame) {
    hero->SetPosition(300, 400);
    const com::Bstr ball(L"Ball"), stand(L"stand");
    LONG x = 0, y = 0;
    ASSERT_EQ(hero->AskForPosition(ball.Get(), stand.Get(), &x, &y), S_OK);
    EXPECT_EQ(x, 312);  // 300 - 40 + 52.5
    EXPECT_EQ(y, 240);  // 400 - 180 + 20
    ASSERT_EQ(hero->AskForCurrentCharacterPosition(ball.Get(), stand.Get(), 200, 300, &x, &y), S_OK);
    EXPECT_EQ(x, 187);  // 200 + 40 - 52.5
    EXPECT_EQ(y, 460);  // 300 + 180 - 20
    const com::Bstr nobody(L"Nobody");
    ASSERT_EQ(hero->AskForCurrentCharacterPosition(nobody.Get(), stand.Get(), 200, 300, &x, &y), S_OK);
    EXPECT_EQ(x, 240);
    EXPECT_EQ(y, 480);
}

TEST_F(CharacterTest, FailedQueriesSayWhyAndLeaveTheOutValues) {
    MessageBoxWatcher boxes;
    const com::Bstr ball(L"Ball"), nobody(L"Nobody"), stand(L"Stand"), empty(L"Empty"), dance(L"Dance");
    LONG x = 11, y = 22;
    EXPECT_EQ(hero->AskForPosition(nobody.Get(), stand.Get(), &x, &y), S_OK);
    EXPECT_EQ(hero->AskForPosition(ball.Get(), empty.Get(), &x, &y), S_OK);
    EXPECT_EQ(hero->AskForPosition(ball.Get(), dance.Get(), &x, &y), S_OK);
    EXPECT_EQ(hero->AskForCurrentCharacterPosition(ball.Get(), empty.Get(), 1, 2, &x, &y), S_OK);
    EXPECT_EQ(x, 11);
    EXPECT_EQ(y, 22);
    const auto shown = boxes.Boxes();
    ASSERT_EQ(shown.size(), 4u);
    EXPECT_EQ(shown[0].text, "Character not found");
    EXPECT_EQ(shown[1].text, "Animation not found") << "an animation without frames has nothing to read";
    EXPECT_EQ(shown[2].text, "Animation not found");
    EXPECT_EQ(shown[3].text, "Animation not found");
}

TEST_F(CharacterTest, WaitForRequestLetsEventsThroughUntilItsRequestCompletes) {
    const LONG first = Play(L"Walk");
    const LONG second = Play(L"Wave");
    LONG cause = -1;
    ASSERT_EQ(hero->WaitForRequest(second, &cause), S_OK);
    EXPECT_EQ(cause, 0);
    EXPECT_EQ(RequestEvents(sink.events), (std::vector<int32_t>{first, -first, second, -second}))
        << "the events arrived inside the wait";
    ASSERT_EQ(hero->WaitForRequest(second, &cause), S_OK);
    EXPECT_EQ(cause, 1) << "no longer queued";
}

TEST_F(CharacterTest, WaitInsideAHandlerSeesTheCompletionAlready) {
    const LONG id = Play(L"Stand");
    LONG causeInside = -1;
    sink.onEvent = [&](const RecordedEvent& event) {
        if (event.id == kRequestCompleteEvent) hero->WaitForRequest(id, &causeInside);
    };
    ASSERT_TRUE(WaitForEvent(kRequestCompleteEvent, id));
    sink.onEvent = nullptr;
    EXPECT_EQ(causeInside, 1) << "completed before the sinks were called: not queued any more";
}

TEST_F(CharacterTest, StopCompletesAQueuedRequestWithoutStartingIt) {
    const LONG first = Play(L"Walk");
    const LONG second = Play(L"Wave");
    const LONG third = Play(L"Stand");
    ASSERT_EQ(hero->Stop(second), S_OK);
    ASSERT_TRUE(WaitForEvent(kRequestCompleteEvent, third));
    EXPECT_TRUE(HasEvent(sink.events, kRequestCompleteEvent, {second}));
    EXPECT_FALSE(HasEvent(sink.events, kRequestStartEvent, {second}));
    EXPECT_TRUE(HasEvent(sink.events, kRequestStartEvent, {first}));
}

TEST_F(CharacterTest, StopAllDropsEverythingSilently) {
    const LONG first = Play(L"Walk");
    Play(L"Wave");
    const LONG last = Play(L"Walk");
    ASSERT_EQ(hero->StopAll(), S_OK);
    PumpFor(600);
    EXPECT_FALSE(HasEvent(sink.events, kRequestCompleteEvent, {last}));
    LONG cause = -1;
    hero->WaitForRequest(last, &cause);
    EXPECT_EQ(cause, 1);
    EXPECT_LE(CountOf(sink.events, kRequestCompleteEvent), 1u) << "at most the first could finish before the stop";
    (void)first;
}

TEST_F(CharacterTest, ReleaseAfterUnloadEndsTheThreadBeforeItReturns) {
    const HWND window = WindowOf(hero.Get());
    const DWORD threadId = GetWindowThreadProcessId(window, nullptr);
    const HANDLE thread = OpenThread(SYNCHRONIZE, FALSE, threadId);
    ASSERT_NE(thread, nullptr);
    const com::Bstr id(L"h");
    ASSERT_EQ(engine->Unload(id.Get()), S_OK);
    LONG x = 0;
    ASSERT_EQ(hero->put_X(42), S_OK);
    hero->get_X(&x);
    EXPECT_EQ(x, 42) << "the client's reference keeps the character working";
    Play(L"Walk");
    Disconnect(hero.Get(), cookie);
    cookie = 0;
    hero.Reset();
    EXPECT_EQ(WaitForSingleObject(thread, 0), WAIT_OBJECT_0);
    EXPECT_FALSE(IsWindow(window));
    CloseHandle(thread);
}

TEST_F(CharacterTest, ACharacterReleasedWhileRequestsRunRaisesNothingMore) {
    Play(L"Walk");
    PumpFor(50);
    const size_t before = sink.events.size();
    const com::Bstr id(L"h");
    engine->Unload(id.Get());
    hero.Reset();  // the sink stays connected: the character goes with it
    PumpFor(500);
    EXPECT_EQ(sink.events.size(), before);
    EXPECT_EQ(sink.References(), 0) << "the character let its sink go";
}

TEST_F(CharacterTest, AQuittingThreadEndsTheWaitAndKeepsItsQuitMessage) {
    LONG id = 0;
    for (int i = 0; i < 20; ++i) id = Play(L"Stand");  // four seconds of requests that do not move
    PostQuitMessage(3);
    LONG cause = -1;
    ASSERT_EQ(hero->WaitForRequest(id, &cause), S_OK);
    EXPECT_EQ(cause, 1);
    MSG message;
    ASSERT_TRUE(PeekMessageA(&message, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) << "put back for the caller's loop";
    EXPECT_EQ(message.wParam, 3u);
}

// The completion arrives as a posted notification: the wait must wake for it, not find it at
// the end of a 100 ms slice.
TEST_F(CharacterTest, WaitForRequestReturnsAsSoonAsTheCompletionIsPosted) {
    std::vector<double> latenesses = WaitLatenesses(hero.Get(), 20);
    ASSERT_EQ(latenesses.size(), 20u) << "every wait saw its completion";
    std::sort(latenesses.begin(), latenesses.end());
    EXPECT_LE(latenesses[latenesses.size() / 2], 20.0) << "median lateness in milliseconds";
}

// The client's own windows during a wait: keys become characters and text stays UTF-16.
TEST_F(CharacterTest, WaitForRequestTranslatesKeysAndKeepsUnicodeText) {
    HWND edit = CreateWindowExW(0, L"EDIT", L"", WS_POPUP, 0, 0, 100, 20, nullptr, nullptr,
                                GetModuleHandleW(nullptr), nullptr);
    ASSERT_NE(edit, nullptr);
    PostMessageW(edit, WM_CHAR, 0x263A, 1);  // a smiling face: no ANSI code page has it
    PostMessageW(edit, WM_KEYDOWN, 'B', 1);
    LONG cause = 1;
    ASSERT_EQ(hero->WaitForRequest(Play(L"Stand"), &cause), S_OK);
    EXPECT_EQ(cause, 0);
    wchar_t text[8] = {};
    GetWindowTextW(edit, text, 8);
    EXPECT_STREQ(text, L"\x263A" L"b");
    DestroyWindow(edit);
}
