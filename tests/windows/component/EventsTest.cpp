// Events of Character: connection rules, delivery order, disconnecting inside a handler, and
// the notifications of the character window raised as events on the client's thread.
#include <string>

#include "CharacterFixture.h"

using namespace component_tests;

namespace {

class EventsTest : public CharacterFixture {};

// An object without the event interface.
class Deaf final : public IUnknown {
public:
    STDMETHODIMP QueryInterface(REFIID iid, void** object) override {
        *object = IsEqualIID(iid, IID_IUnknown) ? this : nullptr;
        return *object != nullptr ? S_OK : E_NOINTERFACE;
    }
    STDMETHODIMP_(ULONG) AddRef() override { return 2; }
    STDMETHODIMP_(ULONG) Release() override { return 1; }
};

com::ComPtr<IConnectionPoint> PointOf(ICharacter* character) {
    com::ComPtr<IConnectionPoint> point;
    const auto container = com::QueryAs<IConnectionPointContainer>(character);
    if (container) container->FindConnectionPoint(DIID__ICharacterEvents, point.Put());
    return point;
}

}  // namespace

TEST_F(EventsTest, ConnectionPointRules) {
    const auto container = com::QueryAs<IConnectionPointContainer>(hero.Get());
    ASSERT_TRUE(container);
    com::ComPtr<IConnectionPoint> other;
    EXPECT_EQ(container->FindConnectionPoint(IID_IDispatch, other.Put()), CONNECT_E_NOCONNECTION);
    const com::ComPtr<IConnectionPoint> point = PointOf(hero.Get());
    ASSERT_TRUE(point);
    IID iid{};
    point->GetConnectionInterface(&iid);
    EXPECT_TRUE(IsEqualIID(iid, DIID__ICharacterEvents));
    com::ComPtr<IConnectionPointContainer> back;
    ASSERT_EQ(point->GetConnectionPointContainer(back.Put()), S_OK);
    EXPECT_EQ(com::QueryAs<IUnknown>(back.Get()), com::QueryAs<IUnknown>(hero.Get()));

    DWORD cookie2 = 7;
    EXPECT_EQ(point->Advise(nullptr, &cookie2), E_POINTER);
    EXPECT_EQ(cookie2, 0u);
    Deaf deaf;
    cookie2 = 7;
    EXPECT_EQ(point->Advise(&deaf, &cookie2), CONNECT_E_CANNOTCONNECT);
    EXPECT_EQ(cookie2, 0u);
    EXPECT_EQ(point->Unadvise(12345), CONNECT_E_NOCONNECTION);

    EventSink second, third;
    const DWORD secondCookie = Connect(hero.Get(), &second);
    const DWORD thirdCookie = Connect(hero.Get(), &third);
    EXPECT_NE(secondCookie, cookie);
    EXPECT_NE(thirdCookie, secondCookie);
    Disconnect(hero.Get(), secondCookie);
    EXPECT_EQ(second.References(), 0);
    EventSink fourth;
    EXPECT_EQ(Connect(hero.Get(), &fourth), secondCookie) << "the emptied slot is used again";

    com::ComPtr<IEnumConnections> connections;
    ASSERT_EQ(point->EnumConnections(connections.Put()), S_OK);
    std::vector<DWORD> cookies;
    CONNECTDATA data{};
    while (connections->Next(1, &data, nullptr) == S_OK) {
        cookies.push_back(data.dwCookie);
        data.pUnk->Release();
    }
    EXPECT_EQ(cookies, (std::vector<DWORD>{cookie, secondCookie, thirdCookie}));
    Disconnect(hero.Get(), secondCookie);
    Disconnect(hero.Get(), thirdCookie);

    com::ComPtr<IEnumConnectionPoints> points;
    ASSERT_EQ(container->EnumConnectionPoints(points.Put()), S_OK);
    com::ComPtr<IConnectionPoint> only;
    EXPECT_EQ(points->Next(1, only.Put(), nullptr), S_OK);
    EXPECT_EQ(only, point);
    com::ComPtr<IConnectionPoint> none;
    EXPECT_EQ(points->Next(1, none.Put(), nullptr), S_FALSE);
}

TEST_F(EventsTest, ClassInformationAndErrorSupport) {
    const auto info = com::QueryAs<IProvideClassInfo2>(hero.Get());
    ASSERT_TRUE(info);
    GUID guid{};
    ASSERT_EQ(info->GetGUID(GUIDKIND_DEFAULT_SOURCE_DISP_IID, &guid), S_OK);
    EXPECT_TRUE(IsEqualGUID(guid, DIID__ICharacterEvents));
    EXPECT_EQ(info->GetGUID(7, &guid), E_FAIL);
    EXPECT_TRUE(IsEqualGUID(guid, GUID_NULL));
    com::ComPtr<ITypeInfo> classInfo;
    ASSERT_EQ(info->GetClassInfo(classInfo.Put()), S_OK);
    TYPEATTR* attributes = nullptr;
    classInfo->GetTypeAttr(&attributes);
    EXPECT_TRUE(IsEqualGUID(attributes->guid, CLSID_character));
    classInfo->ReleaseTypeAttr(attributes);

    const auto errors = com::QueryAs<ISupportErrorInfo>(hero.Get());
    ASSERT_TRUE(errors);
    EXPECT_EQ(errors->InterfaceSupportsErrorInfo(IID_ICharacter), S_OK);
    EXPECT_EQ(errors->InterfaceSupportsErrorInfo(IID_IDispatch), S_FALSE);
    const auto engineErrors = com::QueryAs<ISupportErrorInfo>(engine.Get());
    EXPECT_EQ(engineErrors->InterfaceSupportsErrorInfo(IID_IGraphicEngine), S_OK);
    EXPECT_EQ(engineErrors->InterfaceSupportsErrorInfo(IID_ICharacter), S_FALSE);
}

TEST_F(EventsTest, EverySinkGetsEachEventInConnectionOrder) {
    std::vector<std::string> log;
    EventSink second;
    const auto logRequests = [&](const char* who) {
        return [&log, who](const RecordedEvent& e) {
            if (e.id == kRequestStartEvent || e.id == kRequestCompleteEvent) log.push_back(who + std::to_string(e.id));
        };
    };
    sink.onEvent = logRequests("first ");
    second.onEvent = logRequests("second ");
    const DWORD secondCookie = Connect(hero.Get(), &second);
    const LONG id = Play(L"Stand");
    ASSERT_TRUE(WaitForEvent(kRequestCompleteEvent, id));
    Disconnect(hero.Get(), secondCookie);
    sink.onEvent = nullptr;
    EXPECT_EQ(log, (std::vector<std::string>{"first 3", "second 3", "first 4", "second 4"}));
}

TEST_F(EventsTest, ASinkThatDisconnectsInsideAHandlerGetsNothingLater) {
    EventSink second;
    const DWORD secondCookie = Connect(hero.Get(), &second);
    sink.onEvent = [&](const RecordedEvent& e) {
        if (e.id == kRequestCompleteEvent) {
            Disconnect(hero.Get(), cookie);
            cookie = 0;
        }
    };
    const LONG first = Play(L"Stand");
    ASSERT_TRUE(PumpUntil([&] { return HasEvent(second.events, kRequestCompleteEvent, {first}); }));
    const LONG next = Play(L"Stand");
    ASSERT_TRUE(PumpUntil([&] { return HasEvent(second.events, kRequestCompleteEvent, {next}); }));
    EXPECT_FALSE(HasEvent(sink.events, kRequestStartEvent, {next}));
    EXPECT_TRUE(HasEvent(second.events, kRequestCompleteEvent, {first})) << "the other sink still got the event";
    Disconnect(hero.Get(), secondCookie);
}

TEST_F(EventsTest, MouseAndKeyNotificationsBecomeEvents) {
    hero->put_Visible(1);
    const HWND window = WindowOf(hero.Get());
    PostMessageA(window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(30, 150));
    PostMessageA(window, WM_LBUTTONUP, 0, MAKELPARAM(30, 150));
    PostMessageA(window, WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(65535, 2));
    PostMessageA(window, WM_KEYDOWN, VK_SPACE, 0);
    ASSERT_TRUE(PumpUntil([&] { return CountOf(sink.events, kKeyEvent) > 0; }));
    EXPECT_TRUE(HasEvent(sink.events, kLButtonClickEvent, {30, 150}));
    EXPECT_TRUE(HasEvent(sink.events, kLButtonUpEvent, {30, 150}));
    EXPECT_TRUE(HasEvent(sink.events, kRButtonClickEvent, {65535, 2})) << "coordinates as unsigned 16-bit numbers";
    EXPECT_TRUE(HasEvent(sink.events, kKeyEvent, {VK_SPACE}));
}

TEST_F(EventsTest, MoveReportsTheCharacterWindowOnTheScreen) {
    hero->put_Visible(1);
    hero->SetPosition(300, 400);
    ASSERT_TRUE(PumpUntil([&] { return CountOf(sink.events, kMoveEvent) > 0; }));
    PumpFor(200);
    RECT rectangle{};
    GetWindowRect(WindowOf(hero.Get()), &rectangle);
    const RecordedEvent& last = [&]() -> const RecordedEvent& {
        for (auto it = sink.events.rbegin(); it != sink.events.rend(); ++it) {
            if (it->id == kMoveEvent) return *it;
        }
        return sink.events.front();
    }();
    EXPECT_EQ(last.arguments, (std::vector<int32_t>{rectangle.left, rectangle.top, 160, 200, 0}));
    EXPECT_NE(rectangle.left, 0) << "the window followed the position";
}
