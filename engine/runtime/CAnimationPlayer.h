#pragma once
// Plays one animation of a character in real time: frames by their display times, linear
// movement within a frame, a destination spread over the frames or reached by travelling.
#include <atomic>
#include <cstdint>
#include <string>

#include "DisplayScale.h"
#include "FrameRectangle.h"
#include "PointF.h"

class CCharacterModel;
class CAnimation;
class CFrame;
class Surface;

class CAnimationPlayer {
public:
    CAnimationPlayer() = default;
    explicit CAnimationPlayer(const CCharacterModel* model) : m_model(model) {}
    CAnimationPlayer(const CAnimationPlayer&) = delete;
    CAnimationPlayer& operator=(const CAnimationPlayer&) = delete;
    // A fresh player bound to the model: position (0, 0), idle.
    void Rebind(const CCharacterModel* model);

    // Sets up the next animation; refused while running, or when the animation walks away
    // from the destination (the animation name then becomes empty).
    bool Prepare(const std::string& animationName, float destinationX, float destinationY, bool playOnce);
    void Start(uint32_t tick);
    bool Step(uint32_t tick);
    FrameRectangle CurrentFrameRect() const;
    // Draws the current frame picture into the surface at (0, 0); false when there is none.
    bool DrawFrame(Surface& surface) const;

    // The reference point on the screen; written from the client's thread and by dragging
    // while the tick moves it. Both coordinates are one atomic value: a reader never sees x of
    // one position with y of another, and a step never overwrites a position set meanwhile.
    PointF Position() const;
    void SetPosition(PointF point);
    // One coordinate; the other stays as it is at that moment, even when a step moves it.
    void SetPositionX(float x);
    void SetPositionY(float y);

    // Screen pixels per file pixel for pictures, anchors and shifts; positions and destinations
    // are screen coordinates at every scale. Any thread may read it.
    void SetScale(DisplayScale scale) { m_scale.store(scale.Packed(), std::memory_order_relaxed); }
    DisplayScale Scale() const { return DisplayScale::FromPacked(m_scale.load(std::memory_order_relaxed)); }
    // The frame shown now, or none.
    const CFrame* CurrentFrame() const;

    bool IsRunning() const { return m_running; }
    void StopRunning() { m_running = false; }
    bool IsSoundPending() const { return m_soundPending; }
    const std::string& PendingSound() const { return m_soundName; }
    void ClearPendingSound() { m_soundPending = false; }

    int32_t FrameIndex() const { return m_frameIndex; }
    const std::string& AnimationName() const { return m_animationName; }
    PointF Extra() const { return {m_extraX, m_extraY}; }
    PointF Applied() const { return {m_appliedX, m_appliedY}; }
    bool IsPlayOnce() const { return m_playOnce; }

private:
    const CAnimation* CurrentAnimation() const;
    PointF ScaledShift(const CFrame& frame) const;
    void SpreadDestination(const CAnimation& animation);
    bool CountFramesToDestination(const CAnimation& animation, bool movingIsX, uint32_t& counter) const;
    void Move(float dx, float dy);
    bool ArrivedWithinTwoPixels() const;
    bool RepeatingNeverArrives(const CAnimation& animation) const;
    void CompleteFrame(const CFrame& frame);

    const CCharacterModel* m_model = nullptr;
    int32_t m_frameIndex = 0;
    uint32_t m_startTick = 0;
    uint32_t m_frameStart = 0;
    std::string m_animationName;
    float m_appliedX = 0, m_appliedY = 0;
    float m_extraX = 0, m_extraY = 0;
    float m_startX = 0, m_startY = 0;
    float m_destinationX = 0, m_destinationY = 0;
    bool m_playOnce = false;
    std::atomic<uint64_t> m_position{0};  // the bits of x (low half) and y (high half); 0 is (0, 0)
    std::atomic<uint32_t> m_scale{DisplayScale{}.Packed()};
    bool m_running = false;
    bool m_soundPending = false;
    std::string m_soundName;
};
