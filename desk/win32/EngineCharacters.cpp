#include "EngineCharacters.h"

#include "Bstr.h"
#include "ComCalls.h"
#include "InstalledCharacters.h"
#include "ScreenPlacement.h"
#include "WideText.h"
#include "WorkAreas.h"

namespace desk {

namespace {

std::string KeyOf(const std::string& name) {
    std::string key = name;
    for (char& c : key) {
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    }
    return key;
}

// The characters play their frames' sounds from the folder "sounds" beside their file: the
// engine takes that folder from the current folder at Load.
void UseSoundsBeside(const std::wstring& file) {
    const size_t slash = file.find_last_of(L"\\/");
    if (slash != std::wstring::npos) SetCurrentDirectoryW(file.substr(0, slash).c_str());
}

DeskResult NotShown(const std::string& name) { return DeskResult::Failed(name + " is not shown"); }

uint64_t UserIdleMs() {
    LASTINPUTINFO input{};
    input.cbSize = sizeof(input);
    if (!GetLastInputInfo(&input)) return 0;
    return static_cast<DWORD>(GetTickCount() - input.dwTime);  // 32-bit tick arithmetic wraps alike
}

}  // namespace

EngineCharacters::EngineCharacters(com::ComPtr<IGraphicEngine> engine, const DeskStore& store, DeskSettings settings,
                                   std::function<void(const std::string&)> hideLater)
    : m_engine(std::move(engine)), m_store(store), m_settings(settings), m_hideLater(std::move(hideLater)) {}

EngineCharacters::~EngineCharacters() {
    while (!m_shown.empty()) {
        SavePlace(*m_shown.begin()->second, true);
        Unload(m_shown.begin()->first);
    }
}

ShownCharacter* EngineCharacters::Find(const std::string& name) {
    const auto found = m_shown.find(KeyOf(name));
    return found != m_shown.end() ? found->second.get() : nullptr;
}

std::vector<DeskCharacterInfo> EngineCharacters::List() {
    std::vector<DeskCharacterInfo> list;
    const auto saved = m_store.LoadPlaces();
    for (const InstalledCharacter& installed : ReadInstalledCharacters()) {
        DeskCharacterInfo info{installed.name, false, {}};
        if (const ShownCharacter* shown = Find(installed.name)) {
            info.shown = true;
            info.position = shown->Position();
        } else if (const auto place = saved.find(installed.name); place != saved.end()) {
            info.position = place->second.position;
        }
        list.push_back(std::move(info));
    }
    return list;
}

std::vector<std::string> EngineCharacters::Animations(const std::string& name) {
    if (const ShownCharacter* shown = Find(name)) return shown->Animations();
    const auto installed = FindInstalled(name);
    return installed ? installed->animations : std::vector<std::string>{};
}

DeskPoint EngineCharacters::FirstPlace() const {
    // Near the bottom right of the primary work area, a step to the left for each one shown.
    const DeskRect area = PrimaryWorkArea();
    const long step = 170 * static_cast<long>(m_shown.size());
    return {area.right - 140 - step, area.bottom - 40};
}

DeskResult EngineCharacters::Show(const std::string& name) {
    if (Find(name) != nullptr) return DeskResult::Done();
    const auto installed = FindInstalled(name);
    if (!installed) return DeskResult::Failed("no character named " + name + " is installed");
    UseSoundsBeside(installed->file);
    const com::Bstr id(WideFromUtf8(installed->name));
    com::ComPtr<ICharacter> loaded;
    const HRESULT result = m_engine->Load(id.Get(), id.Get(), nullptr, loaded.Put());
    if (FAILED(result)) return DeskResult::Failed("cannot load " + installed->name + ": " + FailureText(result));
    auto character = com::QueryAs<ICharacter2>(loaded.Get());
    if (!character) {
        m_engine->Unload(id.Get());
        return DeskResult::Failed("the engine is older than this program (no ICharacter2)");
    }
    const std::string key = KeyOf(installed->name);
    auto shown = std::make_unique<ShownCharacter>(installed->name, installed->animations, std::move(character),
                                                  [this, shownName = installed->name] { m_hideLater(shownName); });
    const auto saved = m_store.LoadPlaces();
    const auto place = saved.find(installed->name);
    shown->Apply(m_settings, GetTickCount64());
    const DeskPoint wanted = place != saved.end() ? place->second.position : FirstPlace();
    shown->MoveTo(KeepOnScreen(wanted, shown->UsualBox(), AllWorkAreas()));
    shown->PlayFirstPicture();
    shown->SetVisible(true);
    SavePlace(*shown, true);
    m_shown[key] = std::move(shown);
    return DeskResult::Done();
}

void EngineCharacters::Unload(const std::string& key) {
    const auto found = m_shown.find(key);
    if (found == m_shown.end()) return;
    const com::Bstr id(WideFromUtf8(found->second->Name()));
    found->second->SetVisible(false);
    m_shown.erase(found);
    m_engine->Unload(id.Get());
}

DeskResult EngineCharacters::Hide(const std::string& name) {
    ShownCharacter* shown = Find(name);
    if (shown == nullptr) return DeskResult::Done();
    SavePlace(*shown, false);
    Unload(KeyOf(name));
    return DeskResult::Done();
}

DeskResult EngineCharacters::Play(const std::string& name, const std::string& animation,
                                  std::optional<DeskPoint> destination) {
    ShownCharacter* shown = Find(name);
    return shown != nullptr ? shown->Play(animation, destination) : NotShown(name);
}

DeskResult EngineCharacters::Say(const std::string& name, const std::string& text) {
    ShownCharacter* shown = Find(name);
    return shown != nullptr ? shown->Say(text, false) : NotShown(name);
}

DeskResult EngineCharacters::Think(const std::string& name, const std::string& text) {
    ShownCharacter* shown = Find(name);
    return shown != nullptr ? shown->Say(text, true) : NotShown(name);
}

DeskResult EngineCharacters::Move(const std::string& name, DeskPoint position) {
    ShownCharacter* shown = Find(name);
    if (shown == nullptr) return NotShown(name);
    // Never off screen, whoever asks: the place is kept whole on a work area.
    shown->MoveTo(KeepOnScreen(position, shown->Box(), AllWorkAreas()));
    SavePlace(*shown, true);
    return DeskResult::Done();
}

void EngineCharacters::WhenComplete(const std::string& name, long requestId, std::function<void(bool)> done) {
    ShownCharacter* shown = Find(name);
    if (shown == nullptr) {
        done(false);
        return;
    }
    shown->WhenComplete(requestId, std::move(done));
}

void EngineCharacters::RestoreShown() {
    for (const auto& [name, place] : m_store.LoadPlaces()) {
        if (place.shown) Show(name);
    }
}

void EngineCharacters::BringEverythingBack() {
    const DeskRect primary = PrimaryWorkArea();
    for (auto& [key, shown] : m_shown) {
        shown->MoveTo(BringBack(shown->Position(), shown->Box(), primary));
        SavePlace(*shown, true);
    }
}

void EngineCharacters::ApplySettings(const DeskSettings& settings) {
    m_settings = settings;
    const uint64_t now = GetTickCount64();
    for (auto& [key, shown] : m_shown) shown->Apply(settings, now);
}

void EngineCharacters::LiveOn() {
    const uint64_t now = GetTickCount64();
    const uint64_t userIdle = UserIdleMs();
    for (auto& [key, shown] : m_shown) {
        const DeskPoint at = shown->Position();
        shown->LiveOn(now, userIdle, WorkAreaAt(at));
        const auto saved = m_savedPositions.find(key);
        if (saved == m_savedPositions.end() || saved->second.x != at.x || saved->second.y != at.y) {
            SavePlace(*shown, true);
        }
    }
}

void EngineCharacters::SavePlace(const ShownCharacter& character, bool shown) {
    const DeskPoint at = character.Position();
    m_store.SavePlace(character.Name(), {shown, at});
    m_savedPositions[KeyOf(character.Name())] = at;
}

}  // namespace desk
