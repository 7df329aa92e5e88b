#pragma once
// The request queue of one character and the tick that starts, steps and completes requests.
#include <cstdint>
#include <deque>
#include <mutex>

#include "CAnimationPlayer.h"
#include "CCharacterScene.h"
#include "Request.h"

class CCharacterModel;

// What the tick needs from the platform.
class IRequestHost {
public:
    virtual ~IRequestHost() = default;
    virtual uint32_t TickCount() = 0;
    // Posts a notification (CRN_REQUESTSTART, CRN_REQUESTCOMPLETE) with a request ID.
    virtual void Notify(unsigned notification, int32_t requestId) = 0;
    // Plays the player's pending sound when sound is on; the engine clears it afterwards.
    virtual void PlaySound(const std::string& soundName) = 0;
    // Puts the scene on screen: after a tick with a request in progress, or in an idle tick.
    virtual void PresentBusy() = 0;
    virtual void PresentIdle() = 0;
};

class CRequestEngine {
public:
    CRequestEngine(const CCharacterModel& model, CAnimationPlayer& player, CCharacterScene& scene, IRequestHost& host);

    void Append(Request request);
    // Stops the request of that ID, or the current one for 0; reports it completed.
    void Stop(int32_t requestId);
    // Drops every request without reporting any.
    void StopAll();
    // One tick of the character's timer.
    void Tick();

    // Thread-safe: whether a request of that ID is queued (the client's thread asks).
    bool IsQueued(int32_t requestId) const;
    size_t QueuedCount() const;
    bool InProgress() const { return m_inProgress; }

private:
    bool StartFront();
    void FinishCurrent();
    Request PopFront();
    bool IsFrontRequest(int32_t requestId) const;
    bool LastFrameBallOrigin(const std::string& animationName, PointF& origin) const;

    const CCharacterModel& m_model;
    CAnimationPlayer& m_player;
    CCharacterScene& m_scene;
    IRequestHost& m_host;
    mutable std::mutex m_queueLock;  // guards m_queue against IsQueued from the client's thread
    std::deque<Request> m_queue;
    bool m_inProgress = false;
};
