// The request engine's balloons (Speak and Think) and idling.
#include "CCharacterModel.h"
#include "CRequestEngine.h"
#include "CharacterMessages.h"
#include "IntegerConversion.h"

// The text is laid out once, in the style the request was made with; empty text completes in
// the tick it starts.
void CRequestEngine::StartBalloon(const Request& request) {
    m_host.Notify(CRN_REQUESTSTART, request.id);
    m_inProgress = true;
    BalloonRun run;
    run.kind = request.kind == RequestKind::Think ? BalloonKind::Thought : BalloonKind::Speech;
    run.style = request.balloon;
    run.pages = PageBalloonLines(WrapBalloonText(request.text, run.style.charsPerLine), run.style.numberOfLines);
    run.pageStart = m_host.TickCount();
    if (run.pages.empty()) {
        m_inProgress = false;
        const Request finished = PopFront();
        m_lastActivity = run.pageStart;
        m_host.Notify(CRN_REQUESTCOMPLETE, finished.id);
        return;
    }
    m_host.ShowBalloon(run.kind, run.style, run.pages.front());
    m_balloon = std::move(run);
}

// The character stands on its picture (following a drag) while the pages take their reading
// times; after the last one the balloon goes and the request completes.
void CRequestEngine::TickBalloon() {
    m_host.PresentIdle();
    BalloonRun& run = *m_balloon;
    const uint32_t now = m_host.TickCount();
    if (now - run.pageStart < BalloonReadingTime(run.pages[run.page])) return;
    if (++run.page < run.pages.size()) {
        run.pageStart = now;
        m_host.ShowBalloon(run.kind, run.style, run.pages[run.page]);
        return;
    }
    EndBalloon();
    m_inProgress = false;
    const Request finished = PopFront();
    m_lastActivity = now;
    m_host.Notify(CRN_REQUESTCOMPLETE, finished.id);
}

void CRequestEngine::EndBalloon() {
    if (!m_balloon) return;
    m_balloon.reset();
    m_host.HideBalloon();
}

void CRequestEngine::SetIdle(std::vector<std::string> names, uint32_t delayMs, uint32_t seed) {
    if (names.empty() && m_idlePlaying) EndIdle();
    m_idleNames = std::move(names);
    m_idleDelay = delayMs;
    m_random.seed(seed);
    m_lastActivity = m_host.TickCount();
}

// One of the names at random, once where the character stands; no events.
bool CRequestEngine::StartIdleIfDue() {
    if (m_idleNames.empty()) return false;
    const uint32_t now = m_host.TickCount();
    if (now - m_lastActivity < m_idleDelay) return false;
    const std::string& name = m_idleNames[m_random() % m_idleNames.size()];
    m_lastActivity = now;
    if (m_model->FindAnimation(name) == nullptr) return false;
    const PointF position = m_player.Position();
    if (!m_player.Prepare(name, static_cast<float>(TruncateToInt32(position.x)),
                          static_cast<float>(TruncateToInt32(position.y)), true)) {
        m_scene.RestoreSavedToBack();
    }
    m_idlePlaying = true;
    m_player.Start(now);
    return true;
}

void CRequestEngine::EndIdle() {
    m_player.StopRunning();
    m_idlePlaying = false;
}

void CRequestEngine::FinishIdle() {
    m_idlePlaying = false;
    m_lastActivity = m_host.TickCount();
}
