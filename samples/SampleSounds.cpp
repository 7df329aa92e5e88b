#include "SampleSounds.h"

#include <algorithm>
#include <cmath>

#include "Geometry.h"
#include "SoundNames.h"

namespace {

// A soft paw on the floor: a low falling thump with a little muffled scuff.
Samples Step() {
    Samples thump = Tone(0.09f, [](float t) { return 150.0f * std::exp(-9.0f * t); }, {1.0f, 0.2f});
    Samples scuff = Noise(0.09f, 11);
    LowPass(scuff, 900.0f);
    MixInto(thump, scuff, 0.6f);
    ApplyEnvelope(thump, 0.002f, 40.0f, 0.01f);
    Normalise(thump, 0.45f);
    return thump;
}

// A puppy's yip: a bright, nasal tone that jumps up in pitch and falls away.
Samples Bark() {
    constexpr float kLength = 0.22f;
    auto pitch = [](float t) { return 520.0f + 420.0f * std::sin(kPi * std::min(t / 0.16f, 1.0f)) - 200.0f * t; };
    Samples yip = Tone(kLength, pitch, {1.0f, 0.7f, 0.45f, 0.3f, 0.15f, 0.08f});
    Samples breath = Noise(kLength, 23);
    LowPass(breath, 3000.0f);
    MixInto(yip, breath, 0.12f);
    ApplyEnvelope(yip, 0.012f, 6.0f, 0.05f);
    Normalise(yip, 0.7f);
    return yip;
}

// A paw hitting the ball: a sharp click over a deep, quickly dying thud.
Samples Kick() {
    Samples thud = Tone(0.16f, [](float t) { return 55.0f + 170.0f * std::exp(-30.0f * t); }, {1.0f, 0.35f});
    ApplyEnvelope(thud, 0.001f, 22.0f, 0.02f);
    Samples click = Noise(0.03f, 37);
    LowPass(click, 4000.0f);
    ApplyEnvelope(click, 0.0005f, 120.0f, 0.005f);
    MixInto(thud, click, 1.2f);
    Normalise(thud, 0.8f);
    return thud;
}

// A rubbery boing: a falling tone with a wobble.
Samples Boing() {
    auto pitch = [](float t) {
        const float wobble = 1.0f + 0.06f * std::sin(2 * kPi * 17.0f * t);
        return (130.0f + 190.0f * std::exp(-7.0f * t)) * wobble;
    };
    Samples boing = Tone(0.35f, pitch, {1.0f, 0.3f, 0.1f});
    ApplyEnvelope(boing, 0.003f, 7.0f, 0.04f);
    Normalise(boing, 0.6f);
    return boing;
}

}  // namespace

std::vector<NamedSound> SampleSounds() {
    return {{kStepSound, Step()}, {kBarkSound, Bark()}, {kKickSound, Kick()}, {kBounceSound, Boing()}};
}
