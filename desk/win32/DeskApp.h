#pragma once
// The companion: its window and tray icon, its characters over the engine, its settings, and
// what the tray menu's items do.
#include <windows.h>

#include <deque>
#include <memory>
#include <string>

#include "CDeskChannel.h"
#include "DeskIcon.h"
#include "DeskStore.h"
#include "DeskWindow.h"
#include "EngineCharacters.h"
#include "TrayIcon.h"

namespace desk {

class DeskApp final : public IDeskWindowHandler {
public:
    explicit DeskApp(HINSTANCE instance);
    DeskApp(const DeskApp&) = delete;
    DeskApp& operator=(const DeskApp&) = delete;
    ~DeskApp() override;

    // Creates the engine, puts the icon in the notification area and shows again the
    // characters shown when the companion last ended. The reason on failure.
    std::string Start();

    void OnTray(UINT mouseMessage) override;
    void OnCommand(UINT command) override;
    void OnLifeTimer() override;
    void OnTaskbarCreated() override;
    void OnHideChosen() override;
    void OnEndSession() override;

private:
    void ToggleCharacter(UINT index);
    void ChangeSettings(const DeskSettings& settings);
    void Quit();

    DeskStore m_store;
    DeskSettings m_settings;
    DeskIcon m_icon;
    DeskWindow m_window;
    std::unique_ptr<TrayIcon> m_tray;
    std::unique_ptr<EngineCharacters> m_characters;
    // The command channel (vimro and scripts) over *m_characters: it goes before them.
    std::unique_ptr<CDeskChannel> m_channel;
    std::deque<std::string> m_hideChosen;
};

}  // namespace desk
