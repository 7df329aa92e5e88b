#pragma once
// The companion's characters over the engine's COM interface: loaded with
// GraphicEngine.Load when shown, unloaded when hidden, their places kept in the user's
// registry and on the work areas.
#include "PlatformHeaders.h"

#include <functional>
#include <map>
#include <memory>

#include "ComPtr.h"
#include "DeskStore.h"
#include "IDeskCharacters.h"
#include "ShownCharacter.h"
#include "VimroGE.h"

namespace desk {

class EngineCharacters final : public IDeskCharacters {
public:
    // hideLater is asked to hide a character after the event that chose it has returned.
    EngineCharacters(com::ComPtr<IGraphicEngine> engine, const DeskStore& store, DeskSettings settings,
                     std::function<void(const std::string& name)> hideLater);
    EngineCharacters(const EngineCharacters&) = delete;
    EngineCharacters& operator=(const EngineCharacters&) = delete;
    // Saves every place and unloads every character.
    ~EngineCharacters() override;

    std::vector<DeskCharacterInfo> List() override;
    std::vector<std::string> Animations(const std::string& name) override;
    DeskResult Show(const std::string& name) override;
    DeskResult Hide(const std::string& name) override;
    DeskResult Play(const std::string& name, const std::string& animation,
                    std::optional<DeskPoint> destination) override;
    DeskResult Say(const std::string& name, const std::string& text) override;
    DeskResult Think(const std::string& name, const std::string& text) override;
    DeskResult Move(const std::string& name, DeskPoint position) override;
    void WhenComplete(const std::string& name, long requestId, std::function<void(bool completed)> done) override;

    // The characters shown when the companion last ended, where they were.
    void RestoreShown();
    void BringEverythingBack();
    void ApplySettings(const DeskSettings& settings);
    // A look of every character's life; places that changed are saved.
    void LiveOn();

private:
    ShownCharacter* Find(const std::string& name);
    DeskPoint FirstPlace() const;
    void SavePlace(const ShownCharacter& character, bool shown);
    void Unload(const std::string& key);

    com::ComPtr<IGraphicEngine> m_engine;
    const DeskStore& m_store;
    DeskSettings m_settings;
    std::function<void(const std::string&)> m_hideLater;
    // By the name in lower case; each character's engine ID is its name as installed.
    std::map<std::string, std::unique_ptr<ShownCharacter>> m_shown;
    std::map<std::string, DeskPoint> m_savedPositions;
};

}  // namespace desk
