#pragma once
// One character the companion shows: its ICharacter2, its events, the requests it has
// queued and its life between the user's commands.
#include "PlatformHeaders.h"

#include <functional>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "CharacterEventSink.h"
#include "CharacterLife.h"
#include "ComPtr.h"
#include "DeskState.h"
#include "EventConnection.h"
#include "IDeskCharacters.h"
#include "VimroGE.h"

namespace desk {

class ShownCharacter {
public:
    // onHideChosen runs when the user chooses "Hide" in the character's own context menu
    // (inside the event: the owner defers the hiding).
    ShownCharacter(std::string name, std::vector<std::string> animations, com::ComPtr<ICharacter2> loaded,
                   std::function<void()> onHideChosen);
    ShownCharacter(const ShownCharacter&) = delete;
    ShownCharacter& operator=(const ShownCharacter&) = delete;
    // Every waiter not yet told learns that its request never completes.
    ~ShownCharacter();

    const std::string& Name() const { return m_name; }
    const std::vector<std::string>& Animations() const { return m_animations; }
    bool HasAnimation(const std::string& animation) const;
    bool Connected() const { return m_connection.Connected(); }

    DeskPoint Position() const;
    // The window around the reference point; before the window has followed the point (it
    // does at the character's next tick), about a character's size.
    CharacterBox Box() const;
    CharacterBox UsualBox() const;
    // A loaded character shows no picture until it plays: its first one, from "Stand", else
    // an idle animation, else its first animation.
    void PlayFirstPicture();
    void MoveTo(DeskPoint point);
    void SetVisible(bool visible);
    void Apply(const DeskSettings& settings, uint64_t nowMs);

    DeskResult Play(const std::string& animation, std::optional<DeskPoint> destination);
    DeskResult Say(const std::string& text, bool think);
    void WhenComplete(long requestId, std::function<void(bool)> done);

    // One look of the character's life (every second).
    void LiveOn(uint64_t nowMs, uint64_t userIdleMs, DeskRect workArea);

private:
    void OnRequestComplete(long requestId);
    // A user's request goes first: the life's own animation stops.
    void StopLife();
    DeskResult Queued(HRESULT result, long requestId);

    std::string m_name;
    std::vector<std::string> m_animations;
    com::ComPtr<ICharacter2> m_character;
    CharacterEventSink m_sink;       // before the connection: it outlives it
    EventConnection m_connection;
    CharacterLife m_life;
    bool m_quiet = false;
    int m_scalePercent = 100;
    std::set<long> m_pending;
    long m_lastIssued = 0;
    long m_lifeRequest = 0;
    std::map<long, std::vector<std::function<void(bool)>>> m_waiters;
};

}  // namespace desk
