#include "Demo.h"

#include <optional>

#include "Actor.h"
#include "Backdrop.h"
#include "Bstr.h"
#include "InstalledFiles.h"
#include "QuitSignals.h"
#include "Tour.h"

namespace {

// The demo is system-DPI aware (its manifest): the DPI the whole run is drawn at.
uint32_t SystemDpi() {
    const HDC screen = GetDC(nullptr);
    const int dpi = screen != nullptr ? GetDeviceCaps(screen, LOGPIXELSY) : 0;
    if (screen != nullptr) ReleaseDC(nullptr, screen);
    return dpi > 0 ? static_cast<uint32_t>(dpi) : 96;
}

com::ComPtr<IGraphicEngine> CreateEngine(const Narrator& narrator) {
    com::ComPtr<IGraphicEngine> engine;
    CLSID classId{};
    HRESULT result = CLSIDFromProgID(L"VimroGE.GraphicEngine", &classId);
    if (SUCCEEDED(result)) {
        result = CoCreateInstance(classId, nullptr, CLSCTX_INPROC_SERVER, IID_IGraphicEngine, engine.PutVoid());
    }
    if (FAILED(result)) narrator.Say("demo", "VimroGE.GraphicEngine is not available (regsvr32 VimroGE.dll): " + ErrorText(result));
    return engine;
}

com::ComPtr<ICharacter> Load(IGraphicEngine& engine, const wchar_t* id, const wchar_t* name, const Narrator& narrator) {
    const com::Bstr idText(id), nameText(name);
    com::ComPtr<ICharacter> loaded;
    const HRESULT result = engine.Load(idText.Get(), nameText.Get(), nullptr, loaded.Put());
    if (FAILED(result)) {
        narrator.Say("demo", "cannot load " + Narrow(name) + ": " + ErrorText(result) +
                                 "; install it with install-character.vbs");
    }
    return loaded;
}

// The characters play their frames' sounds from the folder "sounds" below the current folder:
// the samples keep theirs beside Pip's file.
void UseSoundsBeside(const wchar_t* characterName, const Narrator& narrator) {
    const auto file = InstalledFileOf(characterName);
    if (!file) return;
    const std::wstring folder = FolderOf(*file);
    if (SetCurrentDirectoryW(folder.c_str())) narrator.Say("demo", "sounds from " + Narrow(folder) + "\\sounds");
}

// The menu's "Hide" hides the character until the next round; Escape ends the demo.
void React(Actor& actor, const Narrator& narrator) {
    actor.Events().SetReaction([&actor, &narrator](int32_t eventId, const std::vector<int32_t>& arguments) {
        const int32_t first = arguments.empty() ? 0 : arguments.front();
        if (eventId == kContextMenuEvent && first == kHideMenuCommand) {
            actor.SetVisible(false);
            narrator.Say(actor.Name(), "hides until the next round");
        } else if (eventId == kKeyEvent && first == VK_ESCAPE) {
            PostQuitMessage(0);
        }
    });
}

void SayScene(const StageLayout& layout, const Narrator& narrator) {
    const StageRect& scene = layout.scene;
    narrator.Say("demo", "scene " + std::to_string(scene.left) + " " + std::to_string(scene.top) + " " +
                             std::to_string(scene.width) + " " + std::to_string(scene.height) +
                             " (left, top, width, height on the screen)");
}

// The characters play with sound, then the tour runs until the demo ends.
void Perform(Actor& pip, Actor& ball, const StageLayout& layout, const DemoOptions& options, const Narrator& narrator) {
    pip.Character()->put_sound(1);
    ball.Character()->put_sound(1);
    React(pip, narrator);
    React(ball, narrator);
    Tour(pip, ball, layout, narrator, options.selfDrive).Run();
    pip.Character()->StopAll();
    ball.Character()->StopAll();
}

}  // namespace

int RunDemo(const DemoOptions& options) {
    const Narrator narrator;
    const StageLayout layout =
        LayoutFor(GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN), SystemDpi());
    SayScene(layout, narrator);
    std::optional<Backdrop> backdrop;
    if (options.backdrop) backdrop.emplace(layout);
    UseSoundsBeside(L"Pip", narrator);

    const com::ComPtr<IGraphicEngine> engine = CreateEngine(narrator);
    if (!engine) return 1;
    com::ComPtr<ICharacter> pipCharacter = Load(*engine.Get(), L"pip", L"Pip", narrator);
    com::ComPtr<ICharacter> ballCharacter = Load(*engine.Get(), L"ball", L"Ball", narrator);
    if (!pipCharacter || !ballCharacter) return 1;
    {
        Actor pip("Pip", std::move(pipCharacter), narrator);
        Actor ball("Ball", std::move(ballCharacter), narrator);
        if (!pip.Connected() || !ball.Connected()) narrator.Say("demo", "events are not connected");
        Perform(pip, ball, layout, options, narrator);
    }
    engine->Unload(com::Bstr(L"pip").Get());
    engine->Unload(com::Bstr(L"ball").Get());
    narrator.Say("demo", "characters unloaded, the end");
    return 0;
}
