// Load, Unload and release, hundreds of times, also with requests still running: what the
// process holds of the system comes back to where it was, and the server can unload at the end.
#include <gtest/gtest.h>

#include <chrono>
#include <random>

#include "Bstr.h"
#include "ComTestSupport.h"
#include "ProcessCounts.h"
#include "StressScale.h"
#include "Watchdog.h"

using namespace component_tests;
using namespace stress;

namespace {

// One cycle; its shape varies with the cycle number: a sink or none, requests running or
// none, the client's reference released before or after Unload.
void Cycle(IGraphicEngine* engine, int number, std::mt19937& random) {
    const com::Bstr id(L"cycle");
    com::ComPtr<ICharacter> character = LoadCharacter(engine, L"cycle", L"Hero");
    ASSERT_TRUE(character) << "cycle " << number;
    EventSink sink;
    const DWORD cookie = number % 2 == 0 ? Connect(character.Get(), &sink) : 0;
    if (number % 3 != 0) {
        const com::Bstr walk(L"Walk"), wave(L"Wave");
        LONG request = 0;
        character->put_Visible(1);
        character->Play(walk.Get(), 300, 0, 1, &request);
        character->Play(wave.Get(), 0, 0, 0, &request);
    }
    PumpFor(random() % 40);
    if (cookie != 0 && number % 4 == 0) Disconnect(character.Get(), cookie);
    if (number % 5 == 0) {
        character.Reset();  // the engine's table keeps the character until Unload
        ASSERT_EQ(engine->Unload(id.Get()), S_OK);
    } else {
        ASSERT_EQ(engine->Unload(id.Get()), S_OK);
        character.Reset();
    }
    EXPECT_EQ(sink.References(), 0) << "cycle " << number << ": the character let its sink go";
}

using CanUnloadNow = HRESULT(WINAPI*)();

HRESULT ServerCanUnloadNow() {
    const HMODULE server = GetModuleHandleW(L"VimroGE.dll");
    if (server == nullptr) return E_UNEXPECTED;
    const auto canUnload = reinterpret_cast<CanUnloadNow>(reinterpret_cast<void*>(GetProcAddress(server, "DllCanUnloadNow")));
    return canUnload != nullptr ? canUnload() : E_UNEXPECTED;
}

// Settled counts: after the client's messages are handled and ended threads are gone.
ProcessCounts Settled() {
    PumpFor(300);
    return CountProcessObjects();
}

}  // namespace

TEST(LoadCycles, EverythingALoadTakesComesBackAndTheServerCanUnload) {
    SetFileList({Files().hero, Files().ball});
    Watchdog watchdog(std::chrono::seconds(60));
    std::mt19937 random(5);
    com::ComPtr<IGraphicEngine> engine = CreateEngine();
    ASSERT_TRUE(engine);
    // The first cycles register the window class and warm the system's caches.
    for (int i = 0; i < 3; ++i) Cycle(engine.Get(), i, random);
    const ProcessCounts before = Settled();
    const int cycles = CurrentScale().loadCycles;
    for (int i = 0; i < cycles && !testing::Test::HasFatalFailure(); ++i) {
        watchdog.Beat("Load, Unload, release");
        Cycle(engine.Get(), i, random);
    }
    const ProcessCounts after = Settled();
    std::printf("before: %s\nafter %d cycles: %s\n", Describe(before).c_str(), cycles, Describe(after).c_str());
    EXPECT_EQ(after.threads, before.threads);
    EXPECT_EQ(after.windows, before.windows);
    EXPECT_EQ(after.handles, before.handles);
    EXPECT_EQ(after.gdiObjects, before.gdiObjects);
    EXPECT_EQ(after.userObjects, before.userObjects);
    EXPECT_EQ(after.gdiHandles, before.gdiHandles);
    EXPECT_EQ(after.kernelHandles, before.kernelHandles);
    EXPECT_GT(before.gdiHandles + before.kernelHandles, 0u) << "the probes see this process's objects";
    engine.Reset();
    EXPECT_EQ(ServerCanUnloadNow(), S_OK) << "every object of the server is gone";
    SetFileList({});
}
