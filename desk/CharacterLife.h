#pragma once
// What a shown character does by itself between the user's commands, by the names its
// author gave its animations: "Idle..." now and then, a "Walk" ("WalkLeft" for walks to the
// left when the character has one) to a random place of its work area, and "Sleep" when the
// user has been away from mouse and keyboard. Time is the caller's millisecond clock.
#include <cstdint>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "ScreenPlacement.h"

namespace desk {

struct LifeTimings {
    uint64_t firstTurnMs = 10000;       // from showing to the first thing done alone
    uint64_t turnGapMinMs = 20000;      // between two things done alone, at random in
    uint64_t turnGapMaxMs = 45000;      //   [min, max]
    int walkOneTurnIn = 4;              // about one turn in this many is a walk
    long walkReachPx = 400;             // a walk goes at most this far on each axis
    uint64_t userAwayMs = 5 * 60 * 1000;  // no input for this long: the character sleeps
    uint64_t sleepAgainMs = 60000;      // while the user stays away, Sleep plays again
};

// The animations a character offers to its life, from its animation list.
struct LifeAnimations {
    std::vector<std::string> idles;  // every name beginning with "Idle"
    std::string walk;                // "Walk" as the file spells it, or empty
    std::string walkLeft;            // "WalkLeft", or empty
    std::string sleep;               // "Sleep", or empty

    static LifeAnimations From(const std::vector<std::string>& names);
};

// What the character should do now.
struct LifeStep {
    std::string animation;
    std::optional<DeskPoint> destination;  // set for a walk
};

// What the scheduler needs to know at each look.
struct LifeMoment {
    uint64_t nowMs = 0;
    uint64_t userIdleMs = 0;  // since the user's last input
    bool busy = false;        // a request of the user's is queued or running
    DeskPoint position;
    CharacterBox box;
    DeskRect workArea;  // of the character's monitor
};

class CharacterLife {
public:
    CharacterLife(LifeAnimations animations, LifeTimings timings, uint32_t seed);

    // Starts counting from the moment the character shows (or Quiet ends).
    void Restart(uint64_t nowMs);
    // Called now and then (the companion looks every second): the step to take now, if any.
    std::optional<LifeStep> Look(const LifeMoment& moment);
    // Quiet: no idle life at all until it ends; the count starts again then.
    void SetQuiet(bool quiet, uint64_t nowMs);
    bool Asleep() const { return m_asleep; }

private:
    std::optional<LifeStep> SleepStep(const LifeMoment& moment);
    std::optional<LifeStep> AwakeStep(const LifeMoment& moment);
    std::optional<LifeStep> WalkStep(const LifeMoment& moment);
    std::optional<LifeStep> IdleStep();
    void ScheduleNext(uint64_t nowMs);

    LifeAnimations m_animations;
    LifeTimings m_timings;
    std::mt19937 m_random;
    uint64_t m_nextTurnMs = 0;
    uint64_t m_nextSleepMs = 0;
    bool m_asleep = false;
    bool m_quiet = false;
};

// A random destination for a walk from the point, at most reach away on each axis, where
// the character's window lies whole on the work area (the point itself when there is no room).
DeskPoint WalkDestination(DeskPoint from, CharacterBox box, DeskRect workArea, long reach, std::mt19937& random);

}  // namespace desk
