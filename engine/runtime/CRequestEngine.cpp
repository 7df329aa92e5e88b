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
    : m_model(model), m_player(player), m_scene(scene), m_host(host) {}

void CRequestEngine::Append(Request request) {
    std::lock_guard<std::mutex> guard(m_queueLock);
    m_queue.push_back(std::move(request));
}

void CRequestEngine::PopFront() {
    std::lock_guard<std::mutex> guard(m_queueLock);
    m_queue.pop_front();
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
    const CAnimation* animation = m_model.FindAnimation(animationName);
    if (animation == nullptr || animation->frames.empty()) return false;
    const PointF* ball = animation->frames.back().FindOrigin(kBallOrigin);
    if (ball == nullptr) return false;
    origin = *ball;
    return true;
}

void CRequestEngine::Tick() {
    m_scene.FillBack();
    if (!m_inProgress) {
        if (m_queue.empty()) {
            m_host.PresentIdle();
            return;
        }
        if (!StartFront()) return;
    }
    m_player.Step(m_host.TickCount());
    if (m_player.IsSoundPending()) {
        m_host.PlaySound(m_player.PendingSound());
        m_player.ClearPendingSound();
    }
    m_scene.DrawCurrentFrame(m_player);
    if (!m_player.IsRunning()) FinishCurrent();
    m_host.PresentBusy();
}

// Starts the front request; false when it completed at once because its animation is missing.
bool CRequestEngine::StartFront() {
    Request& request = m_queue.front();
    bool placedByBall = false;
    if (request.partner) {
        request.partner->SetVisible(false);
        PointF ball;
        if (LastFrameBallOrigin(request.animationName, ball)) {
            const PointF position = m_player.Position();
            request.destinationX = TruncateToInt32(position.x);
            request.destinationY = TruncateToInt32(position.y);
            placedByBall = true;
        }
    }
    if (m_model.FindAnimation(request.animationName) == nullptr) {
        const int32_t id = request.id;
        PopFront();
        m_host.Notify(CRN_REQUESTCOMPLETE, id);
        return false;
    }
    const bool playOnce = !request.isShift || placedByBall;
    if (!m_player.Prepare(request.animationName, static_cast<float>(request.destinationX),
                          static_cast<float>(request.destinationY), playOnce)) {
        m_scene.RestoreSavedToBack();
    }
    m_host.Notify(CRN_REQUESTSTART, request.id);
    m_inProgress = true;
    m_player.Start(m_host.TickCount());
    return true;
}

void CRequestEngine::FinishCurrent() {
    Request& request = m_queue.front();
    if (request.partner) {
        PointF ball;
        if (LastFrameBallOrigin(request.animationName, ball)) {
            const FrameRectangle& rect = m_scene.Rect();
            request.partner->SetPosition(TruncateToInt32(rect.left + static_cast<double>(ball.x)),
                                         TruncateToInt32(rect.top + static_cast<double>(ball.y)));
        }
        request.partner->SetVisible(true);
        request.partner.reset();
    }
    m_inProgress = false;
    const int32_t id = request.id;
    PopFront();
    m_host.Notify(CRN_REQUESTCOMPLETE, id);
}

void CRequestEngine::Stop(int32_t requestId) {
    int32_t stopped = 0;
    {
        std::lock_guard<std::mutex> guard(m_queueLock);
        if (m_queue.empty()) return;
        if (requestId == 0 || requestId == m_queue.front().id) {
            m_inProgress = false;
            m_player.StopRunning();
            stopped = m_queue.front().id;
            m_queue.pop_front();
        } else {
            const auto found = std::find_if(m_queue.begin(), m_queue.end(),
                                            [requestId](const Request& r) { return r.id == requestId; });
            if (found == m_queue.end()) return;
            stopped = requestId;
            m_queue.erase(found);
        }
    }
    m_host.Notify(CRN_REQUESTCOMPLETE, stopped);
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
}
