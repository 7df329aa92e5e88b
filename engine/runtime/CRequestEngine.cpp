#include "CRequestEngine.h"

#include <algorithm>

#include "CCharacterModel.h"
#include "CharacterMessages.h"
#include "IntegerConversion.h"

namespace {
const char* const kBallOrigin = "ball";
}

CRequestEngine::CRequestEngine(const CCharacterModel& model, CAnimationPlayer& player, CCharacterScene& scene,
                               IRequestHost& host)
    : m_model(&model), m_player(player), m_scene(scene), m_host(host) {}

void CRequestEngine::Append(Request request) {
    std::lock_guard<std::mutex> guard(m_queueLock);
    m_queue.push_back(std::move(request));
}

// The front record, out of the queue; the caller destroys it outside the lock, since a
// partner's last reference may call out of the engine.
Request CRequestEngine::PopFront() {
    std::lock_guard<std::mutex> guard(m_queueLock);
    Request front = std::move(m_queue.front());
    m_queue.pop_front();
    return front;
}

bool CRequestEngine::IsFrontRequest(int32_t requestId) const {
    std::lock_guard<std::mutex> guard(m_queueLock);
    return !m_queue.empty() && m_queue.front().id == requestId;
}

bool CRequestEngine::IsQueued(int32_t requestId) const {
    std::lock_guard<std::mutex> guard(m_queueLock);
    return std::any_of(m_queue.begin(), m_queue.end(), [requestId](const Request& r) { return r.id == requestId; });
}

size_t CRequestEngine::QueuedCount() const {
    std::lock_guard<std::mutex> guard(m_queueLock);
    return m_queue.size();
}

bool CRequestEngine::LastFrameBallOrigin(const std::string& animationName, PointF& origin) const {
    const CAnimation* animation = m_model->FindAnimation(animationName);
    if (animation == nullptr || animation->frames.empty()) return false;
    const PointF* ball = animation->frames.back().FindOrigin(kBallOrigin);
    if (ball == nullptr) return false;
    origin = *ball;
    return true;
}

void CRequestEngine::Tick() {
    m_scene.FillBack();
    if (m_idlePlaying && QueuedCount() != 0) EndIdle();  // a client's request ends idling at once
    if (!m_inProgress && !m_idlePlaying) {
        if (m_queue.empty()) {
            if (!StartIdleIfDue()) {
                m_host.PresentIdle();
                return;
            }
        } else if (!StartFront()) {
            return;
        }
    }
    if (m_balloon) {
        TickBalloon();
        return;
    }
    m_player.Step(m_host.TickCount());
    if (m_player.IsSoundPending()) {
        m_host.PlaySound(m_player.PendingSound());
        m_player.ClearPendingSound();
    }
    m_scene.DrawCurrentFrame(m_player);
    if (!m_player.IsRunning()) {
        if (m_idlePlaying) {
            FinishIdle();
        } else {
            FinishCurrent();
        }
    }
    m_host.PresentBusy();
}

// Starts the front request; false when it completed at once because its animation is missing,
// or was stopped while its partner was being hidden, and for a balloon, which has presented. Calls to the partner may handle messages
// sent to this thread (a Stop or StopAll sent rather than posted among them), so no reference
// into the queue is held across them.
bool CRequestEngine::StartFront() {
    Request request = m_queue.front();  // a copy: the queue may change during the calls below
    bool placedByBall = false;
    if (request.partner) {
        request.partner->SetVisible(false);
        if (!IsFrontRequest(request.id)) {
            m_scene.RestoreSavedToBack();
            return false;
        }
        PointF ball;
        if (LastFrameBallOrigin(request.animationName, ball)) {
            const PointF position = m_player.Position();
            request.destinationX = TruncateToInt32(position.x);
            request.destinationY = TruncateToInt32(position.y);
            placedByBall = true;
        }
    }
    if (IsBalloonRequest(request)) {
        StartBalloon(request);
        m_host.PresentIdle();
        return false;
    }
    if (m_model->FindAnimation(request.animationName) == nullptr) {
        // Nothing is presented: the back surface keeps the picture on screen for a paint.
        m_scene.RestoreSavedToBack();
        const Request dropped = PopFront();
        m_host.Notify(CRN_REQUESTCOMPLETE, request.id);
        return false;
    }
    if (request.kind == RequestKind::Show) m_host.ShowWindowForRequest();
    if (request.inPlace) {
        const PointF position = m_player.Position();
        request.destinationX = TruncateToInt32(position.x);
        request.destinationY = TruncateToInt32(position.y);
    }
    const bool playOnce = !request.isShift || placedByBall || request.inPlace;
    if (!m_player.Prepare(request.animationName, static_cast<float>(request.destinationX),
                          static_cast<float>(request.destinationY), playOnce)) {
        m_scene.RestoreSavedToBack();
    }
    m_host.Notify(CRN_REQUESTSTART, request.id);
    m_inProgress = true;
    m_player.Start(m_host.TickCount());
    return true;
}

// The record leaves the queue before its partner is placed and shown, so that nothing that
// those calls let through can reach it.
void CRequestEngine::FinishCurrent() {
    m_inProgress = false;
    const Request finished = PopFront();
    if (finished.partner) {
        PointF ball;
        if (LastFrameBallOrigin(finished.animationName, ball)) {
            const FrameRectangle& rect = m_scene.Rect();
            const DisplayScale scale = m_player.Scale();
            finished.partner->SetPosition(TruncateToInt32(rect.left + static_cast<double>(scale.Offset(ball.x))),
                                          TruncateToInt32(rect.top + static_cast<double>(scale.Offset(ball.y))));
        }
        finished.partner->SetVisible(true);
    }
    if (finished.kind == RequestKind::Hide) m_host.HideWindowForRequest();
    m_lastActivity = m_host.TickCount();
    m_host.Notify(CRN_REQUESTCOMPLETE, finished.id);
}

void CRequestEngine::Stop(int32_t requestId) {
    Request stopped;  // destroyed after the lock is let go
    bool current = false;
    {
        std::lock_guard<std::mutex> guard(m_queueLock);
        if (m_queue.empty()) return;
        auto found = m_queue.begin();
        if (requestId == 0 || requestId == m_queue.front().id) {
            current = m_inProgress;
            m_inProgress = false;
            m_player.StopRunning();
        } else {
            found = std::find_if(m_queue.begin(), m_queue.end(), [requestId](const Request& r) { return r.id == requestId; });
            if (found == m_queue.end()) return;
        }
        stopped = std::move(*found);
        m_queue.erase(found);
    }
    if (current) EndBalloon();  // a stopped balloon goes at once
    m_lastActivity = m_host.TickCount();
    m_host.Notify(CRN_REQUESTCOMPLETE, stopped.id);
}

void CRequestEngine::StopAll() {
    // Dropped records release their partners outside the lock.
    std::deque<Request> dropped;
    {
        std::lock_guard<std::mutex> guard(m_queueLock);
        dropped.swap(m_queue);
    }
    m_inProgress = false;
    m_player.StopRunning();
    EndBalloon();
    m_lastActivity = m_host.TickCount();
}
