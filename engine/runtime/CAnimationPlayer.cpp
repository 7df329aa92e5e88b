#include "CAnimationPlayer.h"

#include <cmath>
#include <cstring>

#include "CCharacterModel.h"
#include "IntegerConversion.h"
#include "Surface.h"

namespace {

// Beyond this many counted frames a destination is treated as never reached.
constexpr uint32_t kMaxCountedFrames = 1000000;

bool AxisIsStill(const CAnimation& animation, bool xAxis) {
    for (const CFrame& frame : animation.frames) {
        if ((xAxis ? frame.shift.x : frame.shift.y) != 0.0f) return false;
    }
    return true;
}

// Clamps one coordinate against a destination it may not pass; true when it clamped.
bool ClampAxis(float start, float destination, float& position) {
    if ((start > destination && position < destination) || (start < destination && position > destination)) {
        position = destination;
        return true;
    }
    return false;
}

uint64_t PackPosition(PointF point) {
    uint32_t x = 0, y = 0;
    std::memcpy(&x, &point.x, sizeof x);
    std::memcpy(&y, &point.y, sizeof y);
    return uint64_t{y} << 32 | x;
}

PointF UnpackPosition(uint64_t bits) {
    const auto x = static_cast<uint32_t>(bits);
    const auto y = static_cast<uint32_t>(bits >> 32);
    PointF point;
    std::memcpy(&point.x, &x, sizeof x);
    std::memcpy(&point.y, &y, sizeof y);
    return point;
}

// Applies the change to whatever position is current when the result is stored, so that a
// position set from another thread meanwhile is changed on from instead of being overwritten.
template <typename Change>
void ChangePosition(std::atomic<uint64_t>& packed, const Change& change) {
    uint64_t seen = packed.load(std::memory_order_relaxed);
    while (!packed.compare_exchange_weak(seen, PackPosition(change(UnpackPosition(seen))), std::memory_order_relaxed)) {
    }
}

}  // namespace

void CAnimationPlayer::Rebind(const CCharacterModel* model) {
    m_model = model;
    m_frameIndex = 0;
    m_startTick = m_frameStart = 0;
    m_animationName.clear();
    m_appliedX = m_appliedY = m_extraX = m_extraY = 0;
    m_startX = m_startY = m_destinationX = m_destinationY = 0;
    m_playOnce = m_running = m_soundPending = false;
    m_soundName.clear();
    SetPosition({0.0f, 0.0f});
}

PointF CAnimationPlayer::Position() const { return UnpackPosition(m_position.load(std::memory_order_relaxed)); }

void CAnimationPlayer::SetPosition(PointF point) { m_position.store(PackPosition(point), std::memory_order_relaxed); }

void CAnimationPlayer::SetPositionX(float x) {
    ChangePosition(m_position, [x](PointF position) { return PointF{x, position.y}; });
}

void CAnimationPlayer::SetPositionY(float y) {
    ChangePosition(m_position, [y](PointF position) { return PointF{position.x, y}; });
}

PointF CAnimationPlayer::ScaledShift(const CFrame& frame) const {
    const DisplayScale scale = Scale();
    return PointF{scale.Offset(frame.shift.x), scale.Offset(frame.shift.y)};
}

const CAnimation* CAnimationPlayer::CurrentAnimation() const {
    return m_model != nullptr ? m_model->FindAnimation(m_animationName) : nullptr;
}

bool CAnimationPlayer::Prepare(const std::string& animationName, float destinationX, float destinationY, bool playOnce) {
    if (m_running) return false;
    m_playOnce = playOnce;
    m_destinationX = destinationX;
    m_destinationY = destinationY;
    const PointF start = Position();
    m_startX = start.x;
    m_startY = start.y;
    m_appliedX = m_appliedY = 0;
    m_animationName = animationName;
    m_extraX = m_extraY = 0;
    if (playOnce) return true;
    const CAnimation* animation = CurrentAnimation();
    // A frameless animation has nothing to spread the way over; its first step ends it.
    if (animation == nullptr || animation->frames.empty()) return true;
    const bool stillX = AxisIsStill(*animation, true);
    const bool stillY = AxisIsStill(*animation, false);
    if (stillX && stillY) {
        SpreadDestination(*animation);
        return true;
    }
    if (!stillX && !stillY) return true;
    const bool movingIsX = !stillX;
    const float startMoving = movingIsX ? m_startX : m_startY;
    const float destinationMoving = movingIsX ? m_destinationX : m_destinationY;
    if (startMoving == destinationMoving) return true;
    uint32_t counter = 0;
    if (!CountFramesToDestination(*animation, movingIsX, counter)) {
        m_animationName.clear();
        return false;
    }
    const float still = movingIsX ? (m_destinationY - m_startY) : (m_destinationX - m_startX);
    (movingIsX ? m_extraY : m_extraX) = still / static_cast<float>(counter);
    return true;
}

void CAnimationPlayer::SpreadDestination(const CAnimation& animation) {
    const auto count = static_cast<float>(animation.frames.size());
    m_extraX = (m_destinationX - m_startX) / count;
    m_extraY = (m_destinationY - m_startY) / count;
}

// Walks the frames (repeating) until the moving axis reaches the destination. False when a
// whole pass gets no nearer than the start: the animation walks away or stays in place.
bool CAnimationPlayer::CountFramesToDestination(const CAnimation& animation, bool movingIsX, uint32_t& counter) const {
    const float start = movingIsX ? m_startX : m_startY;
    const float destination = movingIsX ? m_destinationX : m_destinationY;
    const bool decreasing = destination < start;
    float v = start;
    counter = 0;
    for (;;) {
        for (const CFrame& frame : animation.frames) {
            if (decreasing ? v <= destination : v >= destination) return true;
            const PointF shift = ScaledShift(frame);
            v += movingIsX ? shift.x : shift.y;
            if (++counter > kMaxCountedFrames) return false;
        }
        if (decreasing ? v >= start : v <= start) return false;
    }
}

void CAnimationPlayer::Start(uint32_t tick) {
    m_frameIndex = 0;
    m_startTick = tick;
    m_frameStart = 0;
    m_soundPending = false;
    m_running = true;
}

void CAnimationPlayer::Move(float dx, float dy) {
    bool clamped = false;
    ChangePosition(m_position, [&](PointF position) {
        position.x += dx;
        position.y += dy;
        const bool clampedX = ClampAxis(m_startX, m_destinationX, position.x);
        const bool clampedY = ClampAxis(m_startY, m_destinationY, position.y);
        clamped = clampedX || clampedY;
        return position;
    });
    if (clamped && !m_playOnce) m_running = false;
}

bool CAnimationPlayer::ArrivedWithinTwoPixels() const {
    const PointF position = Position();
    const double dx = static_cast<double>(position.x) - m_destinationX;
    const double dy = static_cast<double>(position.y) - m_destinationY;
    return std::sqrt(dx * dx + dy * dy) < 2.0;
}

// A travel pass that ends farther than 2 pixels away repeats. Every pass moves the character by
// the same amount, so when no axis that must be travelled is crossed by that drift and the pass
// brought the character no nearer, no later pass arrives or clamps: the walk would go on for
// ever (a walk asked to go where it already stands on the axis it moves, or one that drifts
// away on both axes). Such a walk ends with its pass.
bool CAnimationPlayer::RepeatingNeverArrives(const CAnimation& animation) const {
    float passX = 0, passY = 0;
    for (const CFrame& frame : animation.frames) {
        const PointF shift = ScaledShift(frame);
        passX += shift.x + m_extraX;
        passY += shift.y + m_extraY;
    }
    const auto approaches = [](float start, float destination, float drift) {
        return (start < destination && drift > 0) || (start > destination && drift < 0);
    };
    if (approaches(m_startX, m_destinationX, passX) || approaches(m_startY, m_destinationY, passY)) return false;
    const PointF end = Position();
    const double afterX = static_cast<double>(end.x) - m_destinationX, afterY = static_cast<double>(end.y) - m_destinationY;
    const double beforeX = afterX - passX, beforeY = afterY - passY;
    constexpr double kRoundingSlack = 1e-4;  // the drift is summed apart from the moves that made it
    return afterX * afterX + afterY * afterY + kRoundingSlack >= beforeX * beforeX + beforeY * beforeY;
}

void CAnimationPlayer::CompleteFrame(const CFrame& frame) {
    m_frameStart += frame.displayTime;
    const PointF shift = ScaledShift(frame);
    Move(shift.x + m_extraX - m_appliedX, shift.y + m_extraY - m_appliedY);
    m_appliedX = m_appliedY = 0;
    if (!frame.sound.empty()) {
        m_soundPending = true;
        m_soundName = frame.sound;
    }
}

bool CAnimationPlayer::Step(uint32_t tick) {
    if (m_model == nullptr) return false;
    const uint32_t elapsed = tick - m_startTick;
    const CAnimation* animation = CurrentAnimation();
    if (animation == nullptr || animation->frames.empty()) {
        m_running = false;
        return false;
    }
    const std::vector<CFrame>& frames = animation->frames;
    const auto last = static_cast<int32_t>(frames.size()) - 1;
    int32_t i = m_frameIndex < 0 || m_frameIndex > last ? 0 : m_frameIndex;
    // A repeated pass that takes no time at all ends the step, so zero display times cannot hang it.
    bool passFromFirstFrame = i == 0;
    uint32_t passBegin = m_frameStart;
    while (m_frameStart < elapsed) {
        const CFrame& frame = frames[static_cast<size_t>(i)];
        if (uint64_t{m_frameStart} + frame.displayTime > elapsed) {
            const float fraction = static_cast<float>(elapsed - m_frameStart) / static_cast<float>(frame.displayTime);
            const PointF shift = ScaledShift(frame);
            const float targetX = (shift.x + m_extraX) * fraction;
            const float targetY = (shift.y + m_extraY) * fraction;
            Move(targetX - m_appliedX, targetY - m_appliedY);
            m_appliedX = targetX;
            m_appliedY = targetY;
            m_frameIndex = i;
            return true;
        }
        CompleteFrame(frame);
        if (++i <= last) continue;
        if (m_playOnce || ArrivedWithinTwoPixels() || RepeatingNeverArrives(*animation)) {
            m_frameIndex = last;
            m_running = false;
            return true;
        }
        i = 0;
        if (passFromFirstFrame && m_frameStart == passBegin) break;
        passFromFirstFrame = true;
        passBegin = m_frameStart;
    }
    m_frameIndex = i;
    return true;
}

const CFrame* CAnimationPlayer::CurrentFrame() const {
    const CAnimation* animation = CurrentAnimation();
    if (animation == nullptr || animation->frames.empty()) return nullptr;
    const bool inside = m_frameIndex >= 0 && static_cast<size_t>(m_frameIndex) < animation->frames.size();
    return &animation->frames[inside ? static_cast<size_t>(m_frameIndex) : 0];
}

FrameRectangle CAnimationPlayer::CurrentFrameRect() const {
    const PointF position = Position();
    const CFrame* frame = CurrentFrame();
    if (frame == nullptr) {
        const int32_t x = TruncateToInt32(position.x);
        const int32_t y = TruncateToInt32(position.y);
        return FrameRectangle{x, y, x, y};
    }
    const DisplayScale scale = Scale();
    FrameRectangle rect;
    rect.left = TruncateToInt32(position.x - scale.Offset(frame->anchor.x));
    rect.top = TruncateToInt32(position.y - scale.Offset(frame->anchor.y));
    rect.right = SaturatingAdd(rect.left, scale.Length(frame->image.DrawnWidth()));
    rect.bottom = SaturatingAdd(rect.top, scale.Length(frame->image.DrawnRows()));
    return rect;
}

bool CAnimationPlayer::DrawFrame(Surface& surface) const {
    const CFrame* frame = CurrentFrame();
    if (frame == nullptr) return false;
    frame->image.Draw(surface, 0, 0);
    return true;
}
