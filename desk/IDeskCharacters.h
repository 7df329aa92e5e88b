#pragma once
// What the desk companion can do with characters: the seam between the command channel (and
// the tray menu) and the engine's COM interface. Names are the installed characters' names
// (the engine's GraphicFiles), all text UTF-8. Every call runs on the companion's UI thread.
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace desk {

struct DeskPoint {
    long x = 0;
    long y = 0;
};

struct DeskCharacterInfo {
    std::string name;
    bool shown = false;
    DeskPoint position;  // meaningful when shown
};

// The outcome of one call: ok, or the reason on one line. requestId is the engine's request
// ID for calls that queue a request (play, say, think), else 0.
struct DeskResult {
    bool ok = false;
    std::string error;
    long requestId = 0;

    static DeskResult Done(long id = 0) { return {true, {}, id}; }
    static DeskResult Failed(std::string why) { return {false, std::move(why), 0}; }
};

class IDeskCharacters {
public:
    virtual ~IDeskCharacters() = default;

    // Installed characters, shown or not.
    virtual std::vector<DeskCharacterInfo> List() = 0;
    // The animation names of an installed character (empty when the name is unknown).
    virtual std::vector<std::string> Animations(const std::string& name) = 0;

    virtual DeskResult Show(const std::string& name) = 0;
    virtual DeskResult Hide(const std::string& name) = 0;
    // Plays an animation the character has (the caller checks the name against Animations
    // first), optionally towards a destination.
    virtual DeskResult Play(const std::string& name, const std::string& animation,
                            std::optional<DeskPoint> destination) = 0;
    virtual DeskResult Say(const std::string& name, const std::string& text) = 0;
    virtual DeskResult Think(const std::string& name, const std::string& text) = 0;
    virtual DeskResult Move(const std::string& name, DeskPoint position) = 0;

    // Calls done(true) once the request completes, done(false) if it never will (the
    // character was hidden or unloaded); at once if it already has.
    virtual void WhenComplete(const std::string& name, long requestId,
                              std::function<void(bool completed)> done) = 0;
};

}  // namespace desk
