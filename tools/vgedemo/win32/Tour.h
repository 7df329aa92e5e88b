#pragma once
// What the demo shows, round after round until it ends: Pip waves while Ball bounces, Pip
// walks to Ball, kicks it in a common animation (Ball hidden, placed at the "ball" origin of
// the kick's last frame, shown), Ball rolls away; in the first round of a self-driven run,
// Ball is dragged and Pip's context menu is used.
#include "Actor.h"
#include "Narrator.h"
#include "StageLayout.h"

class Tour {
public:
    Tour(Actor& pip, Actor& ball, const StageLayout& layout, const Narrator& narrator, bool selfDrive)
        : m_pip(pip), m_ball(ball), m_layout(layout), m_narrator(narrator), m_selfDrive(selfDrive) {}

    void Run();

private:
    bool PlayRound(bool first);
    void PrepareRound();
    bool Greet();
    bool WalkToBall();
    bool Kick();
    bool Roll();
    bool UseTheMouse();
    std::string At(StagePoint point) const;

    Actor& m_pip;
    Actor& m_ball;
    const StageLayout& m_layout;
    const Narrator& m_narrator;
    bool m_selfDrive;
};
