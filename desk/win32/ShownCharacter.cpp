#include "ShownCharacter.h"

#include <algorithm>

#include "Bstr.h"
#include "ComCalls.h"
#include "InstalledCharacters.h"
#include "WideText.h"

namespace desk {

namespace {

constexpr long kHideMenuCommand = 1;  // the engine's context menu: "Hide"
// About a character's window around its reference point at 100 % (a picture of about 96 x 120
// at the top-left of the window, the point between its feet): the box taken when the window
// does not tell (region mode, where it covers the screen, or not yet moved to a new place,
// which it follows at its next tick).
constexpr CharacterBox kUsualBox{-48, -120, 112, 8};
// The window is the drawing surface, taller than most pictures: what lies below the feet is
// transparent, and the feet may stand on the work area's bottom edge.
constexpr long kBelowTheFeet = 8;
constexpr long kLargestWindow = 1000;

CharacterBox Scaled(CharacterBox box, int percent) {
    return {box.left * percent / 100, box.top * percent / 100, box.right * percent / 100, box.bottom * percent / 100};
}

uint32_t SeedFor(const std::string& name) {
    uint32_t seed = GetTickCount();
    for (char c : name) seed = seed * 31u + static_cast<unsigned char>(c);
    return seed;
}

}  // namespace

ShownCharacter::ShownCharacter(std::string name, std::vector<std::string> animations,
                               com::ComPtr<ICharacter2> loaded, std::function<void()> onHideChosen)
    : m_name(std::move(name)),
      m_animations(std::move(animations)),
      m_character(std::move(loaded)),
      m_sink({[this](long id) { OnRequestComplete(id); },
              [hide = std::move(onHideChosen)](long menuId) {
                  if (menuId == kHideMenuCommand && hide) hide();
              }}),
      m_connection(m_character.Get(), &m_sink),
      m_life(LifeAnimations::From(m_animations), LifeTimings{}, SeedFor(m_name)) {
    m_life.Restart(GetTickCount64());
}

ShownCharacter::~ShownCharacter() {
    auto waiters = std::move(m_waiters);
    for (auto& [id, callbacks] : waiters) {
        for (auto& done : callbacks) done(false);
    }
}

bool ShownCharacter::HasAnimation(const std::string& animation) const {
    for (const std::string& name : m_animations) {
        if (SameCharacterName(name, animation)) return true;
    }
    return false;
}

DeskPoint ShownCharacter::Position() const {
    LONG x = 0, y = 0;
    m_character->get_X(&x);
    m_character->get_Y(&y);
    return {x, y};
}

CharacterBox ShownCharacter::Box() const {
    LONG handle = 0;
    RECT window{};
    if (FAILED(m_character->get_hWnd(&handle)) ||
        !GetWindowRect(reinterpret_cast<HWND>(static_cast<LONG_PTR>(handle)), &window)) {
        return Scaled(kUsualBox, m_scalePercent);
    }
    const DeskPoint at = Position();
    const bool around = at.x > window.left && at.x < window.right && at.y > window.top && at.y < window.bottom;
    if (!around || window.right - window.left > kLargestWindow || window.bottom - window.top > kLargestWindow) {
        return Scaled(kUsualBox, m_scalePercent);
    }
    return {window.left - at.x, window.top - at.y, window.right - at.x,
            std::min(window.bottom - at.y, kBelowTheFeet * m_scalePercent / 100)};
}

CharacterBox ShownCharacter::UsualBox() const { return Scaled(kUsualBox, m_scalePercent); }

void ShownCharacter::PlayFirstPicture() {
    std::string first;
    for (const std::string& name : m_animations) {
        if (SameCharacterName(name, "Stand")) first = name;
    }
    const LifeAnimations life = LifeAnimations::From(m_animations);
    if (first.empty() && !life.idles.empty()) first = life.idles.front();
    if (first.empty() && !m_animations.empty()) first = m_animations.front();
    if (first.empty()) return;
    const DeskPoint here = Position();
    const com::Bstr name(WideFromUtf8(first));
    LONG requestId = 0;
    if (SUCCEEDED(m_character->Play(name.Get(), here.x, here.y, 0, &requestId)) && requestId > 0) {
        Queued(S_OK, requestId);
        m_lifeRequest = requestId;
    }
}

void ShownCharacter::MoveTo(DeskPoint point) { m_character->SetPosition(point.x, point.y); }

void ShownCharacter::SetVisible(bool visible) { m_character->put_Visible(visible ? 1 : 0); }

void ShownCharacter::Apply(const DeskSettings& settings, uint64_t nowMs) {
    m_quiet = settings.quiet;
    m_scalePercent = settings.scalePercent;
    m_life.SetQuiet(settings.quiet, nowMs);
    if (settings.quiet) StopLife();
    m_character->put_sound(settings.quiet ? 0 : 1);
    com::ComPtr<IBalloon> balloon;
    if (SUCCEEDED(m_character->get_Balloon(balloon.Put())) && balloon) balloon->put_Enabled(settings.quiet ? 0 : 1);
    m_character->put_YieldToFullScreen(settings.stepAside ? 1 : 0);
    m_character->put_Scale(settings.scalePercent);
}

DeskResult ShownCharacter::Queued(HRESULT result, long requestId) {
    if (FAILED(result)) return DeskResult::Failed(FailureText(result));
    if (requestId > 0) {
        m_pending.insert(requestId);
        if (requestId > m_lastIssued) m_lastIssued = requestId;
    }
    return DeskResult::Done(requestId);
}

void ShownCharacter::StopLife() {
    if (m_lifeRequest != 0) m_character->Stop(m_lifeRequest);
}

DeskResult ShownCharacter::Play(const std::string& animation, std::optional<DeskPoint> destination) {
    // The engine shows a modal box for a name the character lacks: never ask it.
    if (!HasAnimation(animation)) return DeskResult::Failed(m_name + " has no animation " + animation);
    StopLife();
    const DeskPoint to = destination.value_or(Position());
    const com::Bstr name(WideFromUtf8(animation));
    LONG requestId = 0;
    const HRESULT result = m_character->Play(name.Get(), to.x, to.y, destination ? 1 : 0, &requestId);
    return Queued(result, requestId);
}

DeskResult ShownCharacter::Say(const std::string& text, bool think) {
    if (m_quiet) return DeskResult::Failed("Quiet is on (the tray menu): no balloons");
    StopLife();
    const com::Bstr words(WideFromUtf8(text));
    LONG requestId = 0;
    const HRESULT result = think ? m_character->Think(words.Get(), &requestId) : m_character->Speak(words.Get(), &requestId);
    return Queued(result, requestId);
}

void ShownCharacter::WhenComplete(long requestId, std::function<void(bool)> done) {
    if (m_pending.count(requestId) != 0) {
        m_waiters[requestId].push_back(std::move(done));
    } else {
        done(requestId > 0 && requestId <= m_lastIssued);
    }
}

void ShownCharacter::OnRequestComplete(long requestId) {
    m_pending.erase(requestId);
    if (requestId == m_lifeRequest) m_lifeRequest = 0;
    const auto found = m_waiters.find(requestId);
    if (found == m_waiters.end()) return;
    auto callbacks = std::move(found->second);
    m_waiters.erase(found);
    for (auto& done : callbacks) done(true);
}

void ShownCharacter::LiveOn(uint64_t nowMs, uint64_t userIdleMs, DeskRect workArea) {
    LifeMoment moment;
    moment.nowMs = nowMs;
    moment.userIdleMs = userIdleMs;
    moment.busy = !m_pending.empty();
    moment.position = Position();
    moment.box = Box();
    moment.workArea = workArea;
    const auto step = m_life.Look(moment);
    if (!step || !HasAnimation(step->animation)) return;
    const DeskPoint to = step->destination.value_or(moment.position);
    const com::Bstr name(WideFromUtf8(step->animation));
    LONG requestId = 0;
    if (SUCCEEDED(m_character->Play(name.Get(), to.x, to.y, step->destination ? 1 : 0, &requestId)) && requestId > 0) {
        Queued(S_OK, requestId);
        m_lifeRequest = requestId;
    }
}

}  // namespace desk
