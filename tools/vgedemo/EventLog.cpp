#include "EventLog.h"

#include <cstdio>

namespace {

const char* EventName(int32_t eventId) {
    static const char* const kNames[] = {"Key",         "ChangeZOrder",    "RequestStart",  "RequestComplete",
                                         "ContextMenu", "Move",            "RButtonClick",  "RButtonDblClick",
                                         "LButtonClick", "LButtonDblClick", "LButtonUp"};
    if (eventId < kKeyEvent || eventId > kLButtonUpEvent) return nullptr;
    return kNames[eventId - kKeyEvent];
}

int32_t FirstOf(const std::vector<int32_t>& arguments) { return arguments.empty() ? 0 : arguments.front(); }

std::string MenuText(int32_t command) {
    if (command == 0) return "menu dismissed";
    if (command == kHideMenuCommand) return "\"Hide\" chosen";
    return "unknown command";
}

}  // namespace

std::string EventCall(int32_t eventId, const std::vector<int32_t>& arguments) {
    const char* name = EventName(eventId);
    std::string text = name != nullptr ? name : "Event" + std::to_string(eventId);
    text += '(';
    for (size_t i = 0; i < arguments.size(); ++i) {
        if (i > 0) text += ", ";
        text += std::to_string(arguments[i]);
    }
    return text + ')';
}

std::string LogLine(uint32_t elapsedMs, const std::string& who, const std::string& text) {
    char prefix[32] = {};
    std::snprintf(prefix, sizeof(prefix), "[%6u.%u s] ", elapsedMs / 1000, (elapsedMs % 1000) / 100);
    std::string line = prefix + who;
    if (who.size() < 6) line.append(6 - who.size(), ' ');
    return line + ' ' + text;
}

void EventLog::NameRequest(int32_t requestId, std::string what) { m_requests[requestId] = std::move(what); }

std::string EventLog::RequestText(int32_t requestId, bool completed) {
    const auto found = m_requests.find(requestId);
    if (found == m_requests.end()) return {};
    std::string text = ": " + found->second;
    if (completed) m_requests.erase(found);
    return text;
}

std::optional<std::string> EventLog::Describe(int32_t eventId, const std::vector<int32_t>& arguments) {
    const std::string call = EventCall(eventId, arguments);
    switch (eventId) {
    case kLButtonClickEvent:
        m_dragging = true;
        return call;
    case kLButtonUpEvent:
        m_dragging = false;
        return call;
    case kMoveEvent:
        if (!m_dragging) return std::nullopt;
        return call + " dragged";
    case kRequestStartEvent:
        return call + RequestText(FirstOf(arguments), false);
    case kRequestCompleteEvent:
        return call + RequestText(FirstOf(arguments), true);
    case kContextMenuEvent:
        return call + ": " + MenuText(FirstOf(arguments));
    default:
        return call;
    }
}
