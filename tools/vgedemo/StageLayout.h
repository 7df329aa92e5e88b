#pragma once
// Where the demo puts Pip and Ball on a screen of a given size, and where they meet. The demo
// is system-DPI aware: the engine draws its characters at s = DPI / 96 times their pixel
// sizes, so the distances that come from the characters' pictures are s times too.
#include <cstdint>

struct StagePoint {
    int32_t x = 0, y = 0;
};

struct StageRect {
    int32_t left = 0, top = 0, width = 0, height = 0;
};

// At 96 DPI: how far in front of Pip's reference point the "ball" origin of the last frame of
// Pip's Kick lies (origin (103, 116) less anchor (45, 116)): the ball lands there.
constexpr int32_t kKickReach = 58;
// How far Ball rolls after the kick.
constexpr int32_t kRollDistance = 200;
// How far Pip stays behind the spot where he kicks when he starts a round.
constexpr int32_t kRunUp = 240;

struct StageLayout {
    int32_t groundY = 0;    // the reference points of both characters stand on this line
    StagePoint pipStart;    // where Pip starts a round
    StagePoint ballStart;   // where Ball lies at the start of a round
    int32_t rightLimit = 0; // Ball never rolls past this x
    StageRect scene;        // the part of the screen the demo plays in (for pictures)
    uint32_t dpi = 96;      // the system DPI the layout was made for
    int32_t kickReach = kKickReach;      // the constants above at that DPI
    int32_t rollDistance = kRollDistance;
    int32_t runUp = kRunUp;
};

// Pixels of a 96-DPI screen at `dpi`, rounded.
int32_t ScaledForDpi(int32_t pixels, uint32_t dpi);

StageLayout LayoutFor(int32_t screenWidth, int32_t screenHeight, uint32_t dpi = 96);

// Where Pip stops to kick a ball lying at ballX: his Kick then places the ball where it lies.
int32_t KickSpotFor(const StageLayout& layout, int32_t ballX);
// Where a ball kicked at ballX rolls to, short of the stage's right end.
int32_t RollTargetFor(const StageLayout& layout, int32_t ballX);
// Whether the next round starts again from the start points: Pip walks only to the right,
// along the ground, so a ball off the ground, behind his kick spot or without room left to
// roll cannot be reached.
bool NeedsNewRound(const StageLayout& layout, StagePoint pip, StagePoint ball);
