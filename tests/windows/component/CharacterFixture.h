#pragma once
// A test with an engine, the character "Hero" loaded from the installed-file list and a sink
// connected to it.
#include <gtest/gtest.h>

#include "Bstr.h"
#include "ComTestSupport.h"

namespace component_tests {

class CharacterFixture : public testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    LONG Play(ICharacter* character, const wchar_t* animation, LONG x = 0, LONG y = 0, LONG isShift = 0);
    LONG Play(const wchar_t* animation, LONG x = 0, LONG y = 0, LONG isShift = 0) {
        return Play(hero.Get(), animation, x, y, isShift);
    }
    // Dispatches messages until the sink has the event with that request ID.
    bool WaitForEvent(DISPID id, int32_t requestId, DWORD milliseconds = 5000);
    static HWND WindowOf(ICharacter* character);

    EventSink sink;  // outlives every connection to it
    com::ComPtr<IGraphicEngine> engine;
    com::ComPtr<ICharacter> hero;
    DWORD cookie = 0;
};

}  // namespace component_tests
