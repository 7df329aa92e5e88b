#pragma once
// The preview's player: steps one animation of the character in real time, over and over,
// moving the reference point by the frames' shifts, linearly within each frame.
#include <cstdint>
#include <optional>
#include <string>

#include "PointF.h"

class CAnimation;
class CCharacterModel;
class CFrame;

// Where the current frame's picture goes; `frame` is null when there is nothing to paint.
struct PreviewPicture {
    const CFrame* frame = nullptr;
    int left = 0;
    int top = 0;
};

class CPreviewPlayer {
public:
    CPreviewPlayer() = default;
    explicit CPreviewPlayer(const CCharacterModel* character) : m_character(character) {}

    // Refused (false) while playing.
    bool SetAnimation(const std::string& name);
    void Start(uint32_t tick);
    // Passes every frame whose time is over by `tick` (system tick counter, wrapping). False
    // without a character or when the animation is not found.
    bool Update(uint32_t tick);
    // The current frame's picture with its anchor at (x, y); nothing when the animation is not found.
    std::optional<PreviewPicture> Picture(float x, float y) const;

    PointF Position() const { return m_position; }
    void SetPosition(PointF position) { m_position = position; }
    // The sound of the last frame completed since the previous call, if any; clears it.
    std::optional<std::string> TakePendingSound();

    bool IsPlaying() const { return m_playing; }
    uint32_t FrameIndex() const { return m_frameIndex; }
    PointF AppliedMovement() const { return m_applied; }

private:
    const CAnimation* FindAnimation() const;
    void CompleteFrame(const CFrame& frame);
    void ShowPartly(const CFrame& frame, uint32_t elapsed);
    void SkipWholePasses(const CAnimation& animation, uint64_t passTime, uint32_t elapsed);

    const CCharacterModel* m_character = nullptr;
    uint32_t m_frameIndex = 0;
    uint32_t m_startTick = 0;
    uint32_t m_frameStart = 0;
    std::string m_animationName;
    PointF m_position;
    bool m_playing = false;
    bool m_soundPending = false;
    std::string m_soundName;
    PointF m_applied;
};
