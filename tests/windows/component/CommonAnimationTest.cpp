// A common animation of two characters: the partner is hidden while it plays, then placed at
// the "ball" origin of the last frame and shown; the request holds the partner meanwhile.
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
