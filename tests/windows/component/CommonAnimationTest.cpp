// A common animation of two characters: the partner is hidden while it plays, then placed at
// the "ball" origin of the last frame and shown; the request holds the partner meanwhile.
#include <atomic>
#include <thread>

#include "CharacterFixture.h"

using namespace component_tests;

namespace {

class CommonAnimationTest : public CharacterFixture {
protected:
    void SetUp() override {
        CharacterFixture::SetUp();
        ball = LoadCharacter(engine.Get(), L"b", L"Ball");
        ASSERT_TRUE(ball);
        ball->put_Visible(1);
        hero->put_Visible(1);
        hero->SetPosition(300, 400);
    }
    void TearDown() override {
        ball.Reset();
        CharacterFixture::TearDown();
    }
    LONG PlayCommon(const wchar_t* animation) {
        const com::Bstr name(animation);
        LONG id = 0;
        EXPECT_EQ(hero->PlayCommonAnimation(name.Get(), ball.Get(), &id), S_OK);
        return id;
    }

    com::ComPtr<ICharacter> ball;
};

}  // namespace

TEST_F(CommonAnimationTest, TheBallOriginPlacesThePartnerWhenTheKickEnds) {
    LONG visibleWhilePlaying = -1;
    sink.onEvent = [&](const RecordedEvent& e) {
        if (e.id == kRequestStartEvent) ball->get_Visible(&visibleWhilePlaying);
    };
    const LONG id = PlayCommon(L"kick");  // other letter case: the listed "Kick" plays
    ASSERT_TRUE(WaitForEvent(kRequestCompleteEvent, id));
    sink.onEvent = nullptr;
    EXPECT_EQ(visibleWhilePlaying, 0);
    LONG visible = 0, x = 0, y = 0;
    ball->get_Visible(&visible);
    ball->get_X(&x);
    ball->get_Y(&y);
    EXPECT_EQ(visible, 1);
    // The kick plays in place: its frame's top-left is the position minus the anchor (20, 50).
    EXPECT_EQ(x, 300 - 20 + 12);
    EXPECT_EQ(y, 400 - 50 + 30);
}

TEST_F(CommonAnimationTest, WithoutBallOriginThePartnerIsOnlyHiddenAndShown) {
    ball->SetPosition(10, 20);
    const LONG id = PlayCommon(L"Wave");
    ASSERT_TRUE(WaitForEvent(kRequestCompleteEvent, id));
    LONG visible = 0, x = 0, y = 0;
    ball->get_Visible(&visible);
    ball->get_X(&x);
    ball->get_Y(&y);
    EXPECT_EQ(visible, 1);
    EXPECT_EQ(x, 10);
    EXPECT_EQ(y, 20);
}

TEST_F(CommonAnimationTest, TheRequestKeepsThePartnerUntilItEnds) {
    Play(L"Walk");  // the common request waits behind it
    const LONG id = PlayCommon(L"Kick");
    const HWND ballWindow = WindowOf(ball.Get());
    const com::Bstr ballId(L"b");
    ASSERT_EQ(engine->Unload(ballId.Get()), S_OK);
    ball.Reset();
    PumpFor(100);
    EXPECT_TRUE(IsWindow(ballWindow)) << "the queued request still holds the partner";
    ASSERT_TRUE(WaitForEvent(kRequestCompleteEvent, id));
    EXPECT_TRUE(PumpUntil([&] { return !IsWindow(ballWindow); })) << "released on the client's thread after the end";
}

TEST_F(CommonAnimationTest, ANullPartnerIsRefusedWithoutAnId) {
    const com::Bstr kick(L"Kick");
    LONG id = 9;
    EXPECT_EQ(hero->PlayCommonAnimation(kick.Get(), nullptr, &id), E_INVALIDARG);
    EXPECT_EQ(id, 9);
    EXPECT_EQ(Play(L"Stand"), 1);
}

namespace {

// Any object that is not one of the engine's characters, passed where a character goes.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wnon-virtual-dtor"
class ForeignObject final : public IUnknown {
public:
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override {
        *object = IsEqualIID(iid, IID_IUnknown) ? static_cast<IUnknown*>(this) : nullptr;
        if (*object == nullptr) return E_NOINTERFACE;
        AddRef();
        return S_OK;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return ++references; }
    ULONG STDMETHODCALLTYPE Release() override { return --references; }
    std::atomic<ULONG> references{1};
};
#pragma GCC diagnostic pop

// A character loaded on a thread of its own apartment, marshalled to the test's thread as a
// proxy of its dispatch interface (what a script in another apartment holds); the thread
// serves calls on it until the test ends.
class OtherApartmentCharacter {
public:
    OtherApartmentCharacter() {
        m_thread = std::thread([this] { Run(); });
        PumpUntil([this] { return m_ready.load(); }, 15000);
        if (m_stream != nullptr) CoGetInterfaceAndReleaseStream(m_stream, IID_IDispatch, proxy.PutVoid());
    }
    OtherApartmentCharacter(const OtherApartmentCharacter&) = delete;
    OtherApartmentCharacter& operator=(const OtherApartmentCharacter&) = delete;
    ~OtherApartmentCharacter() {
        proxy.Reset();
        m_stop = true;
        m_thread.join();
    }
    com::ComPtr<IDispatch> proxy;

private:
    void Run() {
        CoInitialize(nullptr);
        {
            com::ComPtr<IGraphicEngine> engine = CreateEngine();
            com::ComPtr<ICharacter> character = engine ? LoadCharacter(engine.Get(), L"o", L"Ball") : nullptr;
            if (character) CoMarshalInterThreadInterfaceInStream(IID_IDispatch, character.Get(), &m_stream);
            m_ready = true;
            while (!m_stop.load()) PumpFor(20);
        }
        CoUninitialize();
    }

    std::thread m_thread;
    IStream* m_stream = nullptr;
    std::atomic<bool> m_ready{false};
    std::atomic<bool> m_stop{false};
};

}  // namespace

// Only a character of this engine that the caller reaches directly can be driven from a
// character thread; anything else is refused before an ID is used, never queued.
TEST_F(CommonAnimationTest, PartnersThatAreNotTheEnginesOwnCharactersAreRefusedWithoutAnId) {
    const com::Bstr kick(L"Kick");
    ForeignObject foreign;
    LONG id = 9;
    EXPECT_EQ(hero->PlayCommonAnimation(kick.Get(), reinterpret_cast<ICharacter*>(&foreign), &id), E_INVALIDARG);
    EXPECT_EQ(foreign.references.load(), 1u) << "nothing of it is kept";
    const OtherApartmentCharacter other;
    ASSERT_TRUE(other.proxy);
    EXPECT_EQ(hero->PlayCommonAnimation(kick.Get(), reinterpret_cast<ICharacter*>(other.proxy.Get()), &id), E_INVALIDARG);
    EXPECT_EQ(id, 9);
    EXPECT_EQ(Play(L"Stand"), 1) << "no ID was counted";
}
