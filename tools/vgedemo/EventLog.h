#pragma once
// What vgedemo prints about one character's events: a line per event, requests named by what
// the demo asked for, and window moves only while the user drags the character.
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

// The dispatch IDs of _ICharacterEvents.
enum CharacterEventId : int32_t {
    kKeyEvent = 1,
    kChangeZOrderEvent,
    kRequestStartEvent,
    kRequestCompleteEvent,
    kContextMenuEvent,
    kMoveEvent,
    kRButtonClickEvent,
    kRButtonDblClickEvent,
    kLButtonClickEvent,
    kLButtonDblClickEvent,
    kLButtonUpEvent
};

// The one command of the character's context menu.
constexpr int32_t kHideMenuCommand = 1;

class EventLog {
public:
    // What the request of that ID does, shown beside its start and completion.
    void NameRequest(int32_t requestId, std::string what);
    // The text for an event, or nothing for an event not worth a line (a move outside a drag).
    std::optional<std::string> Describe(int32_t eventId, const std::vector<int32_t>& arguments);
    bool Dragging() const { return m_dragging; }

private:
    std::string RequestText(int32_t requestId, bool completed);

    bool m_dragging = false;
    std::map<int32_t, std::string> m_requests;
};

// "Name(a, b, c)" for an event and its arguments.
std::string EventCall(int32_t eventId, const std::vector<int32_t>& arguments);
// "[  12.3 s] Pip   text": one printed line (without its line end).
std::string LogLine(uint32_t elapsedMs, const std::string& who, const std::string& text);
