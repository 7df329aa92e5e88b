#pragma once
// Playing one request as the engine's Play does: the engine's request tick, player and
// composition, at 10 ticks a second of simulated time, from the position (0, 0).
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <utility>

#include "ScreenRect.h"

class CCharacterModel;
class Surface;

struct PlaybackRequest {
    std::string animationName;
    std::optional<std::pair<int32_t, int32_t>> destination;  // travel there; otherwise one pass in place
    uint32_t maxTicks = 100;
};

// Called for every presented tick with the composed 160 x 200 picture and the part of the frame
// rectangle it covers on the screen (empty when the frame has no picture).
using TickSink = std::function<void(const Surface& picture, const ScreenRect& shown)>;

// Plays until the request completes or maxTicks ticks have passed; the number of ticks presented.
uint32_t PlayTicks(const CCharacterModel& model, const PlaybackRequest& request, const TickSink& sink);

// Whether Play would refuse to start the request (an animation that walks away from its destination).
bool WalksAwayFromDestination(const CCharacterModel& model, const PlaybackRequest& request);

// The smallest rectangle holding both (an empty one adds nothing).
ScreenRect UnionOf(const ScreenRect& a, const ScreenRect& b);
inline bool IsEmptyRect(const ScreenRect& r) { return r.right <= r.left || r.bottom <= r.top; }
