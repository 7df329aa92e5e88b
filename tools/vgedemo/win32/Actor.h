#pragma once
// One loaded character as the demo plays it: the ICharacter, its event printer and the
// connection between them. Requests are named in the printer's log so that their events
// say what they were.
#include <windows.h>

#include <string>

#include "ComPtr.h"
#include "EventPrinter.h"
#include "Narrator.h"
#include "EventConnection.h"
#include "StageLayout.h"
#include "VimroGE.h"

class Actor {
public:
    Actor(std::string name, com::ComPtr<ICharacter> loaded, const Narrator& narrator);
    Actor(const Actor&) = delete;
    Actor& operator=(const Actor&) = delete;

    const std::string& Name() const { return m_name; }
    ICharacter* Character() const { return m_character.Get(); }
    EventPrinter& Events() { return m_events; }
    bool Connected() const { return m_connection.Connected(); }

    // Play with is_shift 1 walks to the destination; 0 plays one pass in place. The request
    // ID, 0 when the engine refused.
    LONG Play(const wchar_t* animation, StagePoint destination, bool travel, const std::string& what);
    LONG PlayHere(const wchar_t* animation, const std::string& what);
    LONG PlayWith(const wchar_t* animation, Actor& partner, const std::string& what);
    // Dispatches messages until the request's RequestComplete event came; false when the demo
    // is ending (or the ID is 0).
    bool Await(LONG requestId);

    StagePoint Position() const;
    void MoveTo(StagePoint point);
    void SetVisible(bool visible);
    bool Visible() const;

private:
    LONG Named(HRESULT result, LONG requestId, const std::string& what);

    std::string m_name;
    com::ComPtr<ICharacter> m_character;
    EventPrinter m_events;          // before the connection: it outlives it
    EventConnection m_connection;
    const Narrator& m_narrator;
};
