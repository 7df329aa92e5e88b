#include "CPreviewPlayer.h"

#include "CCharacterModel.h"
#include "FieldText.h"
#include "SoundName.h"

namespace {

uint64_t TotalDisplayTime(const CAnimation& animation) {
    uint64_t total = 0;
    for (const CFrame& frame : animation.frames) total += frame.displayTime;
    return total;
}

}  // namespace

bool CPreviewPlayer::SetAnimation(const std::string& name) {
    if (m_playing) return false;
    m_animationName = name;
    return true;
}

void CPreviewPlayer::Start(uint32_t tick) {
    m_soundPending = false;
    m_frameIndex = 0;
    m_startTick = tick;
    m_frameStart = 0;
    m_applied = {0.0f, 0.0f};
    m_playing = true;
}

const CAnimation* CPreviewPlayer::FindAnimation() const {
    return m_character != nullptr ? m_character->FindAnimation(m_animationName) : nullptr;
}

void CPreviewPlayer::CompleteFrame(const CFrame& frame) {
    m_frameStart += frame.displayTime;
    m_position.x += frame.shift.x - m_applied.x;
    m_position.y += frame.shift.y - m_applied.y;
    m_applied = {0.0f, 0.0f};
    if (!frame.sound.empty()) {
        m_soundPending = true;
        m_soundName = frame.sound;
    }
}

void CPreviewPlayer::ShowPartly(const CFrame& frame, uint32_t elapsed) {
    const float fraction = static_cast<float>(elapsed - m_frameStart) / static_cast<float>(frame.displayTime);
    const PointF target{frame.shift.x * fraction, frame.shift.y * fraction};
    m_position.x += target.x - m_applied.x;
    m_position.y += target.y - m_applied.y;
    m_applied = target;
}

bool CPreviewPlayer::Update(uint32_t tick) {
    if (m_character == nullptr) return false;
    const uint32_t elapsed = tick - m_startTick;
    const CAnimation* animation = FindAnimation();
    if (animation == nullptr) return false;
    const size_t count = animation->frames.size();
    if (count == 0) return true;  // nothing to step through
    size_t i = m_frameIndex < count ? m_frameIndex : 0;
    // Frames that all last 0 ms would never use up time: one of them completes per update.
    const uint64_t passTime = TotalDisplayTime(*animation);
    while (m_frameStart < elapsed) {
        const CFrame& frame = animation->frames[i];
        if (uint64_t{m_frameStart} + frame.displayTime > elapsed) {
            ShowPartly(frame, elapsed);
            break;
        }
        CompleteFrame(frame);
        i = i + 1 < count ? i + 1 : 0;
        if (passTime == 0) break;
        if (i == 0) SkipWholePasses(*animation, passTime, elapsed);
    }
    m_frameIndex = static_cast<uint32_t>(i);
    return true;
}

void CPreviewPlayer::SkipWholePasses(const CAnimation& animation, uint64_t passTime, uint32_t elapsed) {
    // At the start of a pass after a long pause (the machine slept): the passes that are over
    // are added at once instead of frame by frame, so an update takes at most about two passes.
    const uint64_t passes = (elapsed - m_frameStart) / passTime;
    if (passes == 0) return;
    PointF passShift;
    const std::string* lastSound = nullptr;
    for (const CFrame& frame : animation.frames) {
        passShift.x += frame.shift.x;
        passShift.y += frame.shift.y;
        if (!frame.sound.empty()) lastSound = &frame.sound;
    }
    m_frameStart += static_cast<uint32_t>(passes * passTime);
    m_position.x += passShift.x * static_cast<float>(passes);
    m_position.y += passShift.y * static_cast<float>(passes);
    if (lastSound != nullptr) {
        m_soundPending = true;
        m_soundName = *lastSound;
    }
}

std::optional<PreviewPicture> CPreviewPlayer::Picture(float x, float y) const {
    const CAnimation* animation = FindAnimation();
    if (animation == nullptr) return std::nullopt;
    PreviewPicture picture;
    if (m_frameIndex >= animation->frames.size()) return picture;
    const CFrame& frame = animation->frames[m_frameIndex];
    if (frame.image.IsEmpty()) return picture;
    picture.frame = &frame;
    picture.left = TruncateToInt(x - frame.anchor.x);
    picture.top = TruncateToInt(y - frame.anchor.y);
    return picture;
}

std::optional<std::string> CPreviewPlayer::TakePendingSound() {
    if (!m_soundPending) return std::nullopt;
    m_soundPending = false;
    // The engine's rule: a name that is not a bare file name plays nothing here either.
    if (!IsPlayableSoundName(m_soundName)) return std::nullopt;
    return m_soundName;
}
