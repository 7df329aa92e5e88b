#pragma once
// The request queue of one character and the tick that starts, steps and completes requests.
#include <cstdint>
#include <deque>
#include <mutex>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "CAnimationPlayer.h"
#include "BalloonText.h"
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
    // Show and Hide requests: the window shown without taking the focus, or hidden.
    virtual void ShowWindowForRequest() {}
    virtual void HideWindowForRequest() {}
    // Speak and Think: one page of the balloon, shown until the next page or HideBalloon.
    virtual void ShowBalloon(BalloonKind /*kind*/, const BalloonStyle& /*style*/, const BalloonPage& /*page*/) {}
    virtual void HideBalloon() {}
};

// Idling: with nothing queued for the delay, one of the names (chosen at random each time)
// plays once where the character stands, without request events.
constexpr uint32_t kIdleDelayMs = 5000;

class CRequestEngine {
public:
    CRequestEngine(const CCharacterModel& model, CAnimationPlayer& player, CCharacterScene& scene, IRequestHost& host);

    // The model whose animations the requests name from now on; the caller keeps it alive.
    void RebindModel(const CCharacterModel& model) { m_model = &model; }

    void Append(Request request);
    // Stops the request of that ID, or the current one for 0; reports it completed.
    void Stop(int32_t requestId);
    // Drops every request without reporting any.
    void StopAll();
    // One tick of the character's timer.
    void Tick();
    // Idling on with these animations (narrow names of the model), or off with none; the
    // delay counts from now.
    void SetIdle(std::vector<std::string> names, uint32_t delayMs = kIdleDelayMs, uint32_t seed = 1);
    bool IsIdling() const { return m_idlePlaying; }

    // Thread-safe: whether a request of that ID is queued (the client's thread asks).
    bool IsQueued(int32_t requestId) const;
    size_t QueuedCount() const;
    bool InProgress() const { return m_inProgress; }

    // When the engine next needs a tick, in milliseconds from now (RequestEngineSchedule.cpp):
    // 0 while a request is due or playing (a tick every period), the time to the next balloon
    // page or idle action, or none when nothing will change until a request arrives. Idling
    // is left out unless idlingAllowed (a hidden character does not idle).
    std::optional<uint32_t> NextTickDelay(uint32_t now, bool idlingAllowed) const;

private:
    bool StartFront();
    void FinishCurrent();
    Request PopFront();
    bool IsFrontRequest(int32_t requestId) const;
    bool LastFrameBallOrigin(const std::string& animationName, PointF& origin) const;
    // Speak and Think (RequestEngineExtras.cpp).
    void StartBalloon(const Request& request);
    void TickBalloon();
    void EndBalloon();
    // Idling (RequestEngineExtras.cpp).
    bool StartIdleIfDue();
    void EndIdle();
    void FinishIdle();

    struct BalloonRun {
        BalloonKind kind = BalloonKind::Speech;
        BalloonStyle style;
        std::vector<BalloonPage> pages;
        size_t page = 0;
        uint32_t pageStart = 0;
    };

    const CCharacterModel* m_model;
    CAnimationPlayer& m_player;
    CCharacterScene& m_scene;
    IRequestHost& m_host;
    mutable std::mutex m_queueLock;  // guards m_queue against IsQueued from the client's thread
    std::deque<Request> m_queue;
    bool m_inProgress = false;
    std::optional<BalloonRun> m_balloon;  // while a Speak or Think request is in progress
    std::vector<std::string> m_idleNames;
    uint32_t m_idleDelay = kIdleDelayMs;
    uint32_t m_lastActivity = 0;
    bool m_idlePlaying = false;
    std::minstd_rand m_random;
};
