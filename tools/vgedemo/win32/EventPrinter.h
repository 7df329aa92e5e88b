#pragma once
// A sink of one character's _ICharacterEvents: prints each event as it comes, remembers the
// completed requests and lets the demo react to the events it cares about.
#include "EventSinkBase.h"

#include <functional>
#include <set>
#include <string>
#include <vector>

#include "EventLog.h"
#include "Narrator.h"

class EventPrinter final : public EventSinkBase {
public:
    using Reaction = std::function<void(int32_t eventId, const std::vector<int32_t>& arguments)>;

    EventPrinter(std::string who, const Narrator& narrator) : m_who(std::move(who)), m_narrator(narrator) {}

    void SetReaction(Reaction reaction) { m_reaction = std::move(reaction); }
    EventLog& Log() { return m_log; }
    bool HasCompleted(int32_t requestId) const { return m_completed.count(requestId) != 0; }

    STDMETHODIMP Invoke(DISPID member, REFIID, LCID, WORD, DISPPARAMS* parameters, VARIANT*, EXCEPINFO*,
                        UINT*) override;

private:
    std::string m_who;
    const Narrator& m_narrator;
    EventLog m_log;
    std::set<int32_t> m_completed;
    Reaction m_reaction;
};
