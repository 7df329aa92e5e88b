// ICharacter2 through its vtable and by name: the first interface kept as it was, the balloon
// object, Speak and Think balloons on screen, Show and Hide, idling settings. Nothing turned
// on leaves every member as it was.
#include "CharacterFixture.h"

using namespace component_tests;

namespace {

// The IID that ICharacter was published with; clients built against the old header use it.
constexpr GUID kPublishedCharacterIid = {0xC9C5D7DB, 0x1FFC, 0x43A4, {0x9F, 0xE3, 0x5C, 0xB9, 0xE5, 0xF0, 0x2C, 0x7F}};

class Character2Test : public CharacterFixture {
protected:
    void SetUp() override {
        CharacterFixture::SetUp();
        hero2 = com::QueryAs<ICharacter2>(hero.Get());
        ASSERT_TRUE(hero2);
    }
    com::ComPtr<IBalloon> Balloon() {
        com::ComPtr<IBalloon> balloon;
        EXPECT_EQ(hero2->get_Balloon(balloon.Put()), S_OK);
        return balloon;
    }
    // The visible balloon windows of this process.
    static std::vector<HWND> BalloonWindows() {
        std::vector<HWND> found;
        HWND window = nullptr;
        while ((window = FindWindowExW(nullptr, window, L"VGEBalloonWindow", nullptr)) != nullptr) {
            if (IsWindowVisible(window)) found.push_back(window);
        }
        return found;
    }
    com::ComPtr<ICharacter2> hero2;
};

DISPID IdOf(IDispatch* object, const wchar_t* name) {
    DISPID id = DISPID_UNKNOWN;
    LPOLESTR names[] = {const_cast<LPOLESTR>(name)};
    object->GetIDsOfNames(IID_NULL, names, 1, LOCALE_USER_DEFAULT, &id);
    return id;
}

}  // namespace

TEST_F(Character2Test, TheFirstInterfaceKeepsItsIdAndDispatchIdsAndTheNewMembersFollow) {
    EXPECT_TRUE(IsEqualGUID(IID_ICharacter, kPublishedCharacterIid));
    com::ComPtr<ICharacter> first = com::QueryAs<ICharacter>(hero2.Get());
    ASSERT_TRUE(first);
    EXPECT_EQ(com::QueryAs<IUnknown>(first.Get()).Get(), com::QueryAs<IUnknown>(hero2.Get()).Get());
    EXPECT_EQ(IdOf(hero2.Get(), L"PlayCommonAnimation"), 1);
    EXPECT_EQ(IdOf(hero2.Get(), L"Speak"), 11);
    EXPECT_EQ(IdOf(hero2.Get(), L"sound"), 28);
    EXPECT_EQ(IdOf(hero2.Get(), L"Balloon"), 29);
    EXPECT_EQ(IdOf(hero2.Get(), L"Think"), 30);
    EXPECT_EQ(IdOf(hero2.Get(), L"IdleOn"), 31);
    EXPECT_EQ(IdOf(hero2.Get(), L"YieldToFullScreen"), 32);
    EXPECT_EQ(IdOf(hero2.Get(), L"ClickThrough"), 33);
    EXPECT_EQ(IdOf(hero2.Get(), L"Scale"), 34);
    // A request through the first interface's vtable still counts and runs.
    EXPECT_EQ(Play(first.Get(), L"Wave"), 1);
    EXPECT_TRUE(WaitForEvent(kRequestCompleteEvent, 1));
}

TEST_F(Character2Test, WithNothingTurnedOnTheNewRequestsDoNothing) {
    LONG id = 55;
    const com::Bstr text(L"hello");
    EXPECT_EQ(hero2->Speak(text.Get(), &id), S_OK);
    EXPECT_EQ(hero2->Think(text.Get(), &id), S_OK);
    ASSERT_TRUE(Balloon());  // asking for the balloon turns nothing on
    EXPECT_EQ(hero2->Speak(text.Get(), &id), S_OK);
    EXPECT_EQ(hero2->Show(&id), S_OK);
    EXPECT_EQ(hero2->Hide(&id), S_OK);
    EXPECT_EQ(hero2->DoIdle(&id), S_OK);
    EXPECT_EQ(id, 55);
    PumpFor(300);
    EXPECT_TRUE(BalloonWindows().empty());
    EXPECT_TRUE(sink.events.empty());
    EXPECT_EQ(Play(L"Stand"), 1) << "nothing took an ID";
}

TEST_F(Character2Test, BalloonPropertiesHaveDefaultsAndRefuseNonsense) {
    const com::ComPtr<IBalloon> balloon = Balloon();
    ASSERT_TRUE(balloon);
    LONG value = -1;
    EXPECT_EQ(balloon->get_Enabled(&value), S_OK);
    EXPECT_EQ(value, 0);
    EXPECT_EQ(balloon->get_BackColor(&value), S_OK);
    EXPECT_EQ(value, 0x00E1FFFF);
    EXPECT_EQ(balloon->get_CharsPerLine(&value), S_OK);
    EXPECT_EQ(value, 32);
    com::Bstr font;
    EXPECT_EQ(balloon->get_FontName(font.Put()), S_OK);
    EXPECT_EQ(font.Text(), L"Tahoma");

    EXPECT_EQ(balloon->put_Enabled(2), DISP_E_EXCEPTION);
    EXPECT_EQ(TakeError().description, L"Enabled must be 0 or 1");
    EXPECT_EQ(balloon->put_FontSize(0), DISP_E_EXCEPTION);
    EXPECT_EQ(TakeError().description, L"Invalid font size");
    EXPECT_EQ(balloon->put_TextColor(0x01000000), DISP_E_EXCEPTION);
    EXPECT_EQ(balloon->put_BackColor(-1), DISP_E_EXCEPTION);
    const ReportedError error = TakeError();
    EXPECT_EQ(error.description, L"Invalid color");
    EXPECT_EQ(error.source, L"VimroGE.Character.1");
    const com::Bstr empty(L"");
    EXPECT_EQ(balloon->put_FontName(empty.Get()), DISP_E_EXCEPTION);
    EXPECT_EQ(balloon->put_CharsPerLine(3), DISP_E_EXCEPTION);
    EXPECT_EQ(balloon->put_NumberOfLines(0), DISP_E_EXCEPTION);
    EXPECT_EQ(balloon->put_NumberOfLines(4), S_OK);
    EXPECT_EQ(Balloon()->get_NumberOfLines(&value), S_OK);
    EXPECT_EQ(value, 4) << "one balloon object per character";
}

TEST_F(Character2Test, SpeakShowsABalloonAboveTheCharacterUntilItsRequestCompletes) {
    ASSERT_EQ(hero->put_Visible(1), S_OK);
    ASSERT_EQ(hero->SetPosition(400, 500), S_OK);
    ASSERT_EQ(Balloon()->put_Enabled(1), S_OK);
    const com::Bstr text(L"Hello, I am Hero.");
    LONG id = 0;
    ASSERT_EQ(hero2->Speak(text.Get(), &id), S_OK);
    EXPECT_EQ(id, 1);
    ASSERT_TRUE(WaitForEvent(kRequestStartEvent, 1));
    ASSERT_TRUE(PumpUntil([&] { return BalloonWindows().size() == 1; }, 2000));
    const HWND balloon = BalloonWindows().front();
    RECT balloonRect{}, heroRect{};
    GetWindowRect(balloon, &balloonRect);
    GetWindowRect(WindowOf(hero.Get()), &heroRect);
    EXPECT_LE(balloonRect.bottom, heroRect.top + 1) << "above the character";
    EXPECT_NE(GetWindowLongW(balloon, GWL_EXSTYLE) & WS_EX_TOPMOST, 0);
    EXPECT_EQ(GetWindow(balloon, GW_OWNER), WindowOf(hero.Get()));
    const POINT inBody{(balloonRect.left + balloonRect.right) / 2, balloonRect.top + 10};
    EXPECT_NE(WindowFromPoint(inBody), balloon) << "the mouse passes through the balloon";
    LONG cause = -1;
    ASSERT_EQ(hero->WaitForRequest(1, &cause), S_OK);
    EXPECT_EQ(cause, 0);
    EXPECT_TRUE(PumpUntil([&] { return BalloonWindows().empty(); }, 1000)) << "the balloon goes with its request";
}

TEST_F(Character2Test, AStoppedThoughtGoesAtOnceAndEmptyTextCompletesAtOnce) {
    ASSERT_EQ(hero->put_Visible(1), S_OK);
    ASSERT_EQ(Balloon()->put_Enabled(1), S_OK);
    const com::Bstr text(L"Hmm... what now?"), empty(L"");
    LONG thought = 0, nothing = 0;
    ASSERT_EQ(hero2->Think(text.Get(), &thought), S_OK);
    ASSERT_TRUE(PumpUntil([&] { return BalloonWindows().size() == 1; }, 2000));
    ASSERT_EQ(hero->Stop(thought), S_OK);
    ASSERT_TRUE(WaitForEvent(kRequestCompleteEvent, thought, 1000));
    EXPECT_TRUE(BalloonWindows().empty());
    ASSERT_EQ(hero2->Speak(empty.Get(), &nothing), S_OK);
    EXPECT_EQ(nothing, thought + 1);
    EXPECT_TRUE(WaitForEvent(kRequestCompleteEvent, nothing, 1000));
}

TEST_F(Character2Test, ShowAndHidePlayTheirAnimationsAndUnknownNamesAreReportedWithoutABox) {
    MessageBoxWatcher boxes;
    const com::Bstr dance(L"Dance"), wave(L"wave");
    EXPECT_EQ(hero->put_ShowAnimation(dance.Get()), DISP_E_EXCEPTION);
    EXPECT_EQ(TakeError().description, L"Animation not found");
    EXPECT_EQ(hero->put_IdleAnimation(dance.Get()), DISP_E_EXCEPTION);
    EXPECT_TRUE(boxes.Boxes().empty());
    ASSERT_EQ(hero->put_ShowAnimation(wave.Get()), S_OK);
    ASSERT_EQ(hero->put_HideAnimation(wave.Get()), S_OK);
    com::Bstr listed;
    ASSERT_EQ(hero->get_ShowAnimation(listed.Put()), S_OK);
    EXPECT_EQ(listed.Text(), L"Wave") << "the list's spelling";

    const HWND window = WindowOf(hero.Get());
    ASSERT_FALSE(IsWindowVisible(window));
    LONG shown = 0, hidden = 0;
    ASSERT_EQ(hero->Show(&shown), S_OK);
    ASSERT_EQ(hero->Hide(&hidden), S_OK);
    EXPECT_EQ(hidden, shown + 1);
    ASSERT_TRUE(WaitForEvent(kRequestStartEvent, shown));
    EXPECT_TRUE(IsWindowVisible(window));
    ASSERT_TRUE(WaitForEvent(kRequestCompleteEvent, hidden));
    EXPECT_FALSE(IsWindowVisible(window));
    EXPECT_TRUE(HasEvent(sink.events, kRequestStartEvent, {hidden}));
}

TEST_F(Character2Test, IdleSettingsReadBackAndDoIdlePlaysOneOfThem) {
    const com::Bstr names(L"wave, STAND");
    ASSERT_EQ(hero->put_IdleAnimation(names.Get()), S_OK);
    com::Bstr listed;
    ASSERT_EQ(hero->get_IdleAnimation(listed.Put()), S_OK);
    EXPECT_EQ(listed.Text(), L"Wave,Stand");
    LONG on = -1;
    EXPECT_EQ(hero2->get_IdleOn(&on), S_OK);
    EXPECT_EQ(on, 0);
    EXPECT_EQ(hero2->put_IdleOn(2), DISP_E_EXCEPTION);
    EXPECT_EQ(hero2->put_IdleOn(1), S_OK);
    LONG id = 0;
    ASSERT_EQ(hero->DoIdle(&id), S_OK);
    EXPECT_EQ(id, 1);
    EXPECT_TRUE(WaitForEvent(kRequestCompleteEvent, 1));
    EXPECT_TRUE(HasEvent(sink.events, kRequestStartEvent, {1}));
}

TEST_F(Character2Test, NeighbourSettingsHaveDefaultsAndRefuseNonsense) {
    LONG value = -1;
    EXPECT_EQ(hero2->get_YieldToFullScreen(&value), S_OK);
    EXPECT_EQ(value, 0);
    EXPECT_EQ(hero2->get_ClickThrough(&value), S_OK);
    EXPECT_EQ(value, 0);
    EXPECT_EQ(hero2->get_Scale(&value), S_OK);
    EXPECT_EQ(value, 100);
    EXPECT_EQ(hero2->put_YieldToFullScreen(2), DISP_E_EXCEPTION);
    EXPECT_EQ(TakeError().description, L"YieldToFullScreen must be 0 or 1");
    EXPECT_EQ(hero2->put_ClickThrough(-1), DISP_E_EXCEPTION);
    EXPECT_EQ(TakeError().description, L"ClickThrough must be 0 or 1");
    for (const LONG refused : {24L, 401L, 0L, -200L}) {
        EXPECT_EQ(hero2->put_Scale(refused), DISP_E_EXCEPTION) << refused;
        const ReportedError error = TakeError();
        EXPECT_EQ(error.description, L"Scale must be 25 to 400");
        EXPECT_EQ(error.source, L"VimroGE.Character.1");
    }
    EXPECT_EQ(hero2->get_Scale(&value), S_OK);
    EXPECT_EQ(value, 100) << "a refused value leaves it as it was";
}

TEST_F(Character2Test, ScaleSizesTheWindowAndClickThroughMakesItTransparentToTheMouse) {
    LONG window = 0, width = 0, height = 0;
    ASSERT_EQ(hero->get_hWnd(&window), S_OK);
    const HWND handle = reinterpret_cast<HWND>(static_cast<LONG_PTR>(window));
    ASSERT_EQ(hero2->put_Scale(200), S_OK);
    EXPECT_EQ(hero->get_Width(&width), S_OK);
    EXPECT_EQ(hero->get_Height(&height), S_OK);
    EXPECT_EQ(width, 320);
    EXPECT_EQ(height, 400);
    ASSERT_EQ(hero2->put_Scale(25), S_OK);
    hero->get_Width(&width);
    EXPECT_EQ(width, 40);
    ASSERT_EQ(hero2->put_Scale(100), S_OK);
    hero->get_Height(&height);
    EXPECT_EQ(height, 200);

    EXPECT_EQ(GetWindowLongW(handle, GWL_EXSTYLE) & WS_EX_TRANSPARENT, 0);
    ASSERT_EQ(hero2->put_ClickThrough(1), S_OK);
    EXPECT_NE(GetWindowLongW(handle, GWL_EXSTYLE) & WS_EX_TRANSPARENT, 0);
    LONG on = 0;
    hero2->get_ClickThrough(&on);
    EXPECT_EQ(on, 1);
    ASSERT_EQ(hero2->put_ClickThrough(0), S_OK);
    EXPECT_EQ(GetWindowLongW(handle, GWL_EXSTYLE) & WS_EX_TRANSPARENT, 0);
    ASSERT_EQ(hero2->put_YieldToFullScreen(1), S_OK);
    hero2->get_YieldToFullScreen(&on);
    EXPECT_EQ(on, 1);
}
