#include "Actor.h"

#include "Bstr.h"
#include "QuitSignals.h"

Actor::Actor(std::string name, com::ComPtr<ICharacter> loaded, const Narrator& narrator)
    : m_name(std::move(name)),
      m_character(std::move(loaded)),
      m_events(m_name, narrator),
      m_connection(m_character.Get(), &m_events),
      m_narrator(narrator) {}

LONG Actor::Named(HRESULT result, LONG requestId, const std::string& what) {
    if (FAILED(result)) {
        m_narrator.Say(m_name, what + " refused: " + ErrorText(result));
        return 0;
    }
    m_events.Log().NameRequest(requestId, what);
    return requestId;
}

LONG Actor::Play(const wchar_t* animation, StagePoint destination, bool travel, const std::string& what) {
    const com::Bstr name(animation);
    LONG requestId = 0;
    const HRESULT result = m_character->Play(name.Get(), destination.x, destination.y, travel ? 1 : 0, &requestId);
    return Named(result, requestId, what);
}

LONG Actor::PlayHere(const wchar_t* animation, const std::string& what) {
    return Play(animation, Position(), false, what);
}

LONG Actor::PlayWith(const wchar_t* animation, Actor& partner, const std::string& what) {
    const com::Bstr name(animation);
    LONG requestId = 0;
    const HRESULT result = m_character->PlayCommonAnimation(name.Get(), partner.Character(), &requestId);
    return Named(result, requestId, what);
}

bool Actor::Await(LONG requestId) {
    if (requestId == 0) return !QuitRequested();
    return PumpUntil([&] { return m_events.HasCompleted(requestId); });
}

StagePoint Actor::Position() const {
    LONG x = 0, y = 0;
    m_character->get_X(&x);
    m_character->get_Y(&y);
    return {x, y};
}

void Actor::MoveTo(StagePoint point) { m_character->SetPosition(point.x, point.y); }

void Actor::SetVisible(bool visible) { m_character->put_Visible(visible ? 1 : 0); }

bool Actor::Visible() const {
    LONG visible = 0;
    m_character->get_Visible(&visible);
    return visible != 0;
}
