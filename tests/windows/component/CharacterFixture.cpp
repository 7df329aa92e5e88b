#include "CharacterFixture.h"

#include "WindowValue.h"

namespace component_tests {

void CharacterFixture::SetUp() {
    SetFileList({Files().hero, Files().ball});
    engine = CreateEngine();
    ASSERT_TRUE(engine);
    hero = LoadCharacter(engine.Get(), L"h", L"Hero");
    ASSERT_TRUE(hero);
    cookie = Connect(hero.Get(), &sink);
    ASSERT_NE(cookie, 0u);
}

void CharacterFixture::TearDown() {
    if (hero && cookie != 0) Disconnect(hero.Get(), cookie);
    hero.Reset();
    engine.Reset();
    SetFileList({});
}

LONG CharacterFixture::Play(ICharacter* character, const wchar_t* animation, LONG x, LONG y, LONG isShift) {
    const com::Bstr name(animation);
    LONG id = -1;
    EXPECT_EQ(character->Play(name.Get(), x, y, isShift, &id), S_OK);
    return id;
}

bool CharacterFixture::WaitForEvent(DISPID id, int32_t requestId, DWORD milliseconds) {
    return PumpUntil([&] { return HasEvent(sink.events, id, {requestId}); }, milliseconds);
}

HWND CharacterFixture::WindowOf(ICharacter* character) {
    LONG handle = 0;
    character->get_hWnd(&handle);
    return reinterpret_cast<HWND>(WireToHandle(handle));
}

}  // namespace component_tests
