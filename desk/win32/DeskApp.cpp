#include "DeskApp.h"

#include "ComCalls.h"
#include "InstalledCharacters.h"
#include "TrayMenu.h"

namespace desk {

namespace {

com::ComPtr<IGraphicEngine> CreateEngine(HRESULT& result) {
    com::ComPtr<IGraphicEngine> engine;
    CLSID classId{};
    result = CLSIDFromProgID(L"VimroGE.GraphicEngine", &classId);
    if (SUCCEEDED(result)) {
        result = CoCreateInstance(classId, nullptr, CLSCTX_INPROC_SERVER, IID_IGraphicEngine, engine.PutVoid());
    }
    return engine;
}

}  // namespace

DeskApp::DeskApp(HINSTANCE instance) : m_settings(m_store.LoadSettings()), m_window(instance, *this) {}

DeskApp::~DeskApp() = default;

std::string DeskApp::Start() {
    if (m_window.Get() == nullptr) return "cannot create the companion's window";
    HRESULT result = S_OK;
    com::ComPtr<IGraphicEngine> engine = CreateEngine(result);
    if (!engine) return "VimroGE.GraphicEngine is not available (regsvr32 VimroGE.dll): " + FailureText(result);
    m_characters = std::make_unique<EngineCharacters>(std::move(engine), m_store, m_settings,
                                                      [this](const std::string& name) {
                                                          m_hideChosen.push_back(name);
                                                          PostMessageW(m_window.Get(), kHideChosenMessage, 0, 0);
                                                      });
    m_tray = std::make_unique<TrayIcon>(m_window.Get(), kTrayMessage, m_icon.Get(), L"VimroDesk");
    m_tray->Add();  // without a notification area now, TaskbarCreated adds it later
    m_characters->RestoreShown();
    // Without its pipe (another process serves the name) the companion still serves its menu.
    m_channel = std::make_unique<CDeskChannel>(*m_characters, [this] { Quit(); });
    if (!m_channel->Start()) m_channel.reset();
    return {};
}

void DeskApp::OnTray(UINT mouseMessage) {
    // Either button opens the menu; the keyboard's selection comes as WM_CONTEXTMENU.
    if (mouseMessage != WM_RBUTTONUP && mouseMessage != WM_LBUTTONUP && mouseMessage != WM_CONTEXTMENU) return;
    TrayMenuState state;
    for (const DeskCharacterInfo& character : m_characters->List()) state.characters.emplace_back(character.name, character.shown);
    state.settings = m_settings;
    state.startsWithWindows = m_store.StartsWithWindows();
    ShowTrayMenu(m_window.Get(), state);
}

void DeskApp::ToggleCharacter(UINT index) {
    const auto list = m_characters->List();
    if (index >= list.size()) return;
    if (list[index].shown) {
        m_characters->Hide(list[index].name);
    } else {
        m_characters->Show(list[index].name);
    }
}

void DeskApp::ChangeSettings(const DeskSettings& settings) {
    m_settings = settings;
    m_store.SaveSettings(settings);
    m_characters->ApplySettings(settings);
}

void DeskApp::OnCommand(UINT command) {
    if (!m_characters) return;
    DeskSettings settings = m_settings;
    if (command >= kFirstCharacterCommand && command < kFirstCharacterCommand + kMaxCharacterItems) {
        ToggleCharacter(command - kFirstCharacterCommand);
    } else if (command >= kFirstScaleCommand && command < kFirstScaleCommand + std::size(kScales)) {
        settings.scalePercent = kScales[command - kFirstScaleCommand];
        ChangeSettings(settings);
    } else if (command == kBringBackCommand) {
        m_characters->BringEverythingBack();
    } else if (command == kStepAsideCommand) {
        settings.stepAside = !settings.stepAside;
        ChangeSettings(settings);
    } else if (command == kQuietCommand) {
        settings.quiet = !settings.quiet;
        ChangeSettings(settings);
    } else if (command == kStartWithWindowsCommand) {
        m_store.SetStartWithWindows(!m_store.StartsWithWindows());
    } else if (command == kExitCommand) {
        Quit();
    }
}

void DeskApp::OnLifeTimer() {
    if (m_characters) m_characters->LiveOn();
}

void DeskApp::OnTaskbarCreated() {
    if (m_tray) m_tray->Add();
}

void DeskApp::OnHideChosen() {
    while (!m_hideChosen.empty() && m_characters) {
        const std::string name = m_hideChosen.front();
        m_hideChosen.pop_front();
        m_characters->Hide(name);
    }
}

void DeskApp::OnEndSession() {
    // The session ends and the process with it, perhaps before the loop ends: places now.
    m_characters.reset();
}

void DeskApp::Quit() { PostQuitMessage(0); }

}  // namespace desk
