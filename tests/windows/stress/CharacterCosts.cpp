// What characters of one file cost a client under Wine, in phases that a watching script
// (tools/character-costs.sh) measures from outside: the process's private memory with 1, 10
// and 50 characters, then CPU over a fixed time for 20 characters standing idle, idling with
// an idle animation, walking, hidden, one character with a balloon up, and none at all.
//   character_costs FILE.rux SECONDS
// Each phase prints "BEGIN name" once it has settled and "END name" after SECONDS; a memory
// figure is announced with "MEMORY count" and held for a second while the script reads it.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "Bstr.h"
#include "ComTestSupport.h"
#include "ServerRegistration.h"

using namespace component_tests;

namespace {

constexpr int kCrowd = 20;
constexpr DWORD kSettleMs = 2000;
constexpr DWORD kMemoryHoldMs = 1000;

void Announce(const char* word, const std::string& name) {
    std::printf("%s %s\n", word, name.c_str());
    std::fflush(stdout);
}

std::wstring IdOf(size_t index) { return L"c" + std::to_wstring(index); }

// Characters placed in rows of five, shown and left standing.
class Crowd {
public:
    explicit Crowd(IGraphicEngine* engine) : m_engine(engine) {}

    bool GrowTo(size_t count) {
        while (m_characters.size() < count) {
            const size_t i = m_characters.size();
            com::ComPtr<ICharacter> character = LoadCharacter(m_engine, IdOf(i).c_str(), L"Pip");
            if (!character) return false;
            character->SetPosition(static_cast<LONG>(60 + (i % 5) * 30), static_cast<LONG>(150 + (i / 5 % 4) * 200));
            character->put_Visible(1);
            m_characters.push_back(std::move(character));
        }
        return true;
    }

    void ShrinkTo(size_t count) {
        while (m_characters.size() > count) {
            m_characters.pop_back();
            const com::Bstr id(IdOf(m_characters.size()));
            m_engine->Unload(id.Get());
        }
    }

    template <typename Action>
    void ForEach(const Action& action) {
        for (size_t i = 0; i < m_characters.size(); ++i) action(m_characters[i].Get(), i);
    }

private:
    IGraphicEngine* m_engine;
    std::vector<com::ComPtr<ICharacter>> m_characters;
};

void HoldForMemory(Crowd& crowd, size_t count) {
    if (!crowd.GrowTo(count)) std::exit(2);
    PumpFor(kSettleMs);
    Announce("MEMORY", std::to_string(count));
    PumpFor(kMemoryHoldMs);
}

// Dispatches this thread's messages for the time, waking only when one arrives: the
// measured phases must not pay for a polling loop of the measuring client itself.
void WaitDispatching(DWORD milliseconds) {
    const DWORD start = GetTickCount();
    for (DWORD elapsed = 0; elapsed < milliseconds; elapsed = GetTickCount() - start) {
        MsgWaitForMultipleObjects(0, nullptr, FALSE, milliseconds - elapsed, QS_ALLINPUT);
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&message);
    }
}

void MeasuredPhase(const std::string& name, DWORD milliseconds) {
    WaitDispatching(kSettleMs);
    Announce("BEGIN", name);
    WaitDispatching(milliseconds);
    Announce("END", name);
}

void SetIdling(ICharacter* character, LONG on) {
    com::ComPtr<ICharacter2> second;
    if (FAILED(character->QueryInterface(IID_ICharacter2, second.PutVoid()))) std::exit(3);
    second->put_IdleOn(on);
}

void Speak(ICharacter* character) {
    const com::Bstr text(L"A balloon that stays up: several pages of words, each read at its own pace, "
                         L"while the character stands still beside it and the watching script counts.");
    LONG request = 0;
    for (int i = 0; i < 4; ++i) character->Speak(text.Get(), &request);
}

void RunPhases(IGraphicEngine* engine, DWORD milliseconds) {
    Crowd crowd(engine);
    PumpFor(kSettleMs);
    Announce("MEMORY", "0");
    PumpFor(kMemoryHoldMs);
    for (const size_t count : {1, 10, 50}) HoldForMemory(crowd, count);
    crowd.ShrinkTo(kCrowd);
    MeasuredPhase("idle", milliseconds);
    const com::Bstr stand(L"Stand");
    crowd.ForEach([&](ICharacter* c, size_t) {
        c->put_IdleAnimation(stand.Get());
        SetIdling(c, 1);
    });
    MeasuredPhase("idling", milliseconds);
    crowd.ForEach([](ICharacter* c, size_t) { SetIdling(c, 0); });
    const com::Bstr walk(L"Walk");
    crowd.ForEach([&](ICharacter* c, size_t i) {
        LONG request = 0;
        c->Play(walk.Get(), 100000, static_cast<LONG>(150 + (i / 5 % 4) * 200), 1, &request);
    });
    MeasuredPhase("walking", milliseconds);
    crowd.ForEach([](ICharacter* c, size_t) {
        c->StopAll();
        c->put_Visible(0);
    });
    MeasuredPhase("hidden", milliseconds);
    crowd.ShrinkTo(1);
    crowd.ForEach([](ICharacter* c, size_t) {
        c->put_Visible(1);
        Speak(c);
    });
    MeasuredPhase("balloon", milliseconds);
    crowd.ForEach([](ICharacter* c, size_t) { c->StopAll(); });
    crowd.ShrinkTo(0);
    MeasuredPhase("none", milliseconds);  // the floor: the client and Wine with no character
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: character_costs FILE.rux [SECONDS]\n");
        return 1;
    }
    const DWORD seconds = argc > 2 ? static_cast<DWORD>(std::max(1, std::atoi(argv[2]))) : 10;
    if (FAILED(CoInitialize(nullptr)) || RunRegsvr32(false) != 0) return 1;
    SetFileList({argv[1]});
    {
        com::ComPtr<IGraphicEngine> engine = CreateEngine();
        if (!engine) return 1;
        RunPhases(engine.Get(), seconds * 1000);
    }
    SetFileList({});
    CoUninitialize();
    return 0;
}
