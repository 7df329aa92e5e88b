#include "CharacterLife.h"

#include <algorithm>
#include <cctype>

namespace desk {

namespace {

// Animation names compare as the engine compares them: letters without case.
bool SameName(const std::string& a, const std::string& b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
           });
}

bool BeginsWithIdle(const std::string& name) {
    return name.size() > 4 && SameName(name.substr(0, 4), "Idle");
}

// A random value in [low, high]; low when the range is empty.
long Between(long low, long high, std::mt19937& random) {
    if (high <= low) return low;
    return std::uniform_int_distribution<long>(low, high)(random);
}

}  // namespace

LifeAnimations LifeAnimations::From(const std::vector<std::string>& names) {
    LifeAnimations found;
    for (const std::string& name : names) {
        if (BeginsWithIdle(name)) found.idles.push_back(name);
        if (SameName(name, "Walk")) found.walk = name;
        if (SameName(name, "WalkLeft")) found.walkLeft = name;
        if (SameName(name, "Sleep")) found.sleep = name;
    }
    return found;
}

DeskPoint WalkDestination(DeskPoint from, CharacterBox box, DeskRect workArea, long reach, std::mt19937& random) {
    // The range of reference points whose window lies whole on the area, within reach.
    const long minX = std::max(workArea.left - box.left, from.x - reach);
    const long maxX = std::min(workArea.right - box.right, from.x + reach);
    const long minY = std::max(workArea.top - box.top, from.y - reach);
    const long maxY = std::min(workArea.bottom - box.bottom, from.y + reach);
    if (minX > maxX || minY > maxY) return from;
    return {Between(minX, maxX, random), Between(minY, maxY, random)};
}

CharacterLife::CharacterLife(LifeAnimations animations, LifeTimings timings, uint32_t seed)
    : m_animations(std::move(animations)), m_timings(timings), m_random(seed) {}

void CharacterLife::Restart(uint64_t nowMs) {
    m_asleep = false;
    m_nextTurnMs = nowMs + m_timings.firstTurnMs;
}

void CharacterLife::ScheduleNext(uint64_t nowMs) {
    const long gap = Between(static_cast<long>(m_timings.turnGapMinMs), static_cast<long>(m_timings.turnGapMaxMs),
                             m_random);
    m_nextTurnMs = nowMs + static_cast<uint64_t>(gap);
}

void CharacterLife::SetQuiet(bool quiet, uint64_t nowMs) {
    if (m_quiet && !quiet) Restart(nowMs);
    m_quiet = quiet;
}

std::optional<LifeStep> CharacterLife::Look(const LifeMoment& moment) {
    if (m_quiet) return std::nullopt;
    if (moment.userIdleMs >= m_timings.userAwayMs && !m_animations.sleep.empty()) return SleepStep(moment);
    if (m_asleep) {
        // The user is back: the character wakes with its next turn, at once.
        m_asleep = false;
        m_nextTurnMs = moment.nowMs;
    }
    return AwakeStep(moment);
}

std::optional<LifeStep> CharacterLife::SleepStep(const LifeMoment& moment) {
    if (moment.busy) return std::nullopt;
    if (m_asleep && moment.nowMs < m_nextSleepMs) return std::nullopt;
    m_asleep = true;
    m_nextSleepMs = moment.nowMs + m_timings.sleepAgainMs;
    return LifeStep{m_animations.sleep, std::nullopt};
}

std::optional<LifeStep> CharacterLife::AwakeStep(const LifeMoment& moment) {
    if (moment.nowMs < m_nextTurnMs) return std::nullopt;
    ScheduleNext(moment.nowMs);
    if (moment.busy) return std::nullopt;
    const bool canWalk = !m_animations.walk.empty();
    const bool walkTurn = m_timings.walkOneTurnIn > 0 && Between(1, m_timings.walkOneTurnIn, m_random) == 1;
    if (canWalk && (walkTurn || m_animations.idles.empty())) {
        if (auto walk = WalkStep(moment)) return walk;
    }
    return IdleStep();
}

std::optional<LifeStep> CharacterLife::WalkStep(const LifeMoment& moment) {
    const DeskPoint to = WalkDestination(moment.position, moment.box, moment.workArea, m_timings.walkReachPx, m_random);
    if (to.x == moment.position.x && to.y == moment.position.y) return std::nullopt;
    const bool left = to.x < moment.position.x && !m_animations.walkLeft.empty();
    return LifeStep{left ? m_animations.walkLeft : m_animations.walk, to};
}

std::optional<LifeStep> CharacterLife::IdleStep() {
    if (m_animations.idles.empty()) return std::nullopt;
    const long last = static_cast<long>(m_animations.idles.size()) - 1;
    return LifeStep{m_animations.idles[static_cast<size_t>(Between(0, last, m_random))], std::nullopt};
}

}  // namespace desk
