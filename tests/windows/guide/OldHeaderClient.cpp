// An early-bound client built against the header of type library 1.0 (ICharacter alone):
// it loads Hero, plays, waits, and calls the members that did nothing in 1.0, which still do
// nothing when the client turns nothing on. Prints "old header client passed" at the end.
#include <windows.h>

#include <cstdio>

#include "VimroGE-1.0.h"

namespace {

struct Text {
    BSTR b;
    explicit Text(const wchar_t* text) : b(SysAllocString(text)) {}
    Text(const Text&) = delete;
    Text& operator=(const Text&) = delete;
    ~Text() { SysFreeString(b); }
};

int failures = 0;

void Check(bool condition, const char* what) {
    std::printf("%s: %s\n", what, condition ? "ok" : "FAILED");
    if (!condition) ++failures;
}

void Run(IGraphicEngine* engine) {
    const Text id(L"old"), name(L"Hero"), wave(L"Wave"), text(L"hello");
    ICharacter* hero = nullptr;
    if (FAILED(engine->Load(id.b, name.b, nullptr, &hero)) || hero == nullptr) {
        Check(false, "Load");
        return;
    }
    LONG request = 0, cause = 1;
    Check(hero->Play(wave.b, 0, 0, 0, &request) == S_OK && request == 1, "Play gives request 1");
    Check(hero->WaitForRequest(request, &cause) == S_OK && cause == 0, "WaitForRequest sees it complete");
    LONG untouched = 77;
    hero->Speak(text.b, &untouched);
    hero->Show(&untouched);
    hero->Hide(&untouched);
    hero->DoIdle(&untouched);
    Check(untouched == 77, "Speak, Show, Hide and DoIdle leave RequestID");
    Check(hero->Play(wave.b, 0, 0, 0, &request) == S_OK && request == 2, "they took no ID");
    hero->WaitForRequest(request, &cause);
    LONG sound = -1;
    Check(hero->put_sound(0) == S_OK && hero->get_sound(&sound) == S_OK && sound == 0, "sound through the vtable");
    ICharacter* same = nullptr;
    Check(SUCCEEDED(hero->QueryInterface(IID_ICharacter, reinterpret_cast<void**>(&same))) && same != nullptr,
          "QueryInterface for the published IID");
    if (same != nullptr) same->Release();
    DISPID play = 0;
    LPOLESTR names[] = {const_cast<LPOLESTR>(L"Play")};
    Check(hero->GetIDsOfNames(IID_NULL, names, 1, LOCALE_USER_DEFAULT, &play) == S_OK && play == 3, "Play is DISPID 3");
    hero->Release();
    engine->Unload(id.b);
}

}  // namespace

int main() {
    if (FAILED(CoInitialize(nullptr))) return 1;
    IGraphicEngine* engine = nullptr;
    if (SUCCEEDED(CoCreateInstance(CLSID_GraphicEngine, nullptr, CLSCTX_INPROC_SERVER, IID_IGraphicEngine,
                                   reinterpret_cast<void**>(&engine)))) {
        Run(engine);
        engine->Release();
    } else {
        Check(false, "creating the engine");
    }
    CoUninitialize();
    if (failures == 0) std::printf("old header client passed\n");
    return failures == 0 ? 0 : 1;
}
