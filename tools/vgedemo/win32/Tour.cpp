#include "Tour.h"

#include "QuitSignals.h"
#include "SelfDrive.h"

namespace {

// Offsets from the reference points (the middle of the feet) to the middle of the bodies, at
// 96 DPI.
constexpr StagePoint kBallMiddle{0, -18};
constexpr StagePoint kPipMiddle{0, -50};
constexpr int kDragDistance = 120;
constexpr DWORD kHiddenPause = 1500;

}  // namespace

std::string Tour::At(StagePoint point) const {
    return "(" + std::to_string(point.x) + ", " + std::to_string(point.y) + ")";
}

void Tour::Run() {
    m_pip.MoveTo(m_layout.pipStart);
    m_ball.MoveTo(m_layout.ballStart);
    m_pip.SetVisible(true);
    m_ball.SetVisible(true);
    m_narrator.Say("demo", "Pip at " + At(m_layout.pipStart) + " and Ball at " + At(m_layout.ballStart) +
                               " are on the desktop, sound on");
    for (bool first = true; PlayRound(first); first = false) {
    }
}

bool Tour::PlayRound(bool first) {
    PrepareRound();
    if (!Greet() || !WalkToBall() || !Kick() || !Roll()) return false;
    return !(first && m_selfDrive) || UseTheMouse();
}

// Both characters visible (the context menu may have hidden one), and back at their start
// points when Pip cannot reach Ball from where they are.
void Tour::PrepareRound() {
    if (NeedsNewRound(m_layout, m_pip.Position(), m_ball.Position())) {
        m_pip.MoveTo(m_layout.pipStart);
        m_ball.MoveTo(m_layout.ballStart);
        m_narrator.Say("demo", "a new round from the start points");
    }
    m_pip.SetVisible(true);
    m_ball.SetVisible(true);
}

bool Tour::Greet() {
    m_narrator.Say("demo", "Pip waves (a gesture) while Ball bounces");
    const LONG wave = m_pip.PlayHere(L"Wave", "Wave");
    const LONG bounce = m_ball.PlayHere(L"Bounce", "Bounce");
    return m_pip.Await(wave) && m_ball.Await(bounce);
}

bool Tour::WalkToBall() {
    const StagePoint spot{KickSpotFor(m_layout, m_ball.Position().x), m_layout.groundY};
    m_narrator.Say("demo", "Pip walks to Ball");
    return m_pip.Await(m_pip.Play(L"Walk", spot, true, "Walk to " + At(spot)));
}

bool Tour::Kick() {
    m_narrator.Say("demo", "Pip kicks Ball: a common animation with Ball as the partner");
    const LONG kick = m_pip.PlayWith(L"Kick", m_ball, "Kick with Ball (hidden, then shown at the \"ball\" origin)");
    if (!m_pip.Await(kick)) return false;
    m_narrator.Say("demo", "Ball lies at " + At(m_ball.Position()) + ", in front of Pip's paw at " + At(m_pip.Position()));
    return true;
}

bool Tour::Roll() {
    const StagePoint target{RollTargetFor(m_layout, m_ball.Position().x), m_layout.groundY};
    const LONG roll = m_ball.Play(L"Walk", target, true, "Roll to " + At(target));
    const LONG stand = m_pip.PlayHere(L"Stand", "Stand");
    return m_ball.Await(roll) && m_pip.Await(stand);
}

bool Tour::UseTheMouse() {
    m_narrator.Say("demo", "dragging Ball with the mouse (synthesised input)");
    const auto px = [this](int32_t pixels) { return ScaledForDpi(pixels, m_layout.dpi); };
    if (!DragAlong(m_ball, {px(kBallMiddle.x), px(kBallMiddle.y)}, px(kDragDistance))) return false;
    m_narrator.Say("demo", "right-clicking Pip and choosing \"Hide\" from his menu");
    if (!PickFromContextMenu(m_pip, {px(kPipMiddle.x), px(kPipMiddle.y)})) m_narrator.Say("demo", "no context menu appeared");
    return Pause(kHiddenPause);
}
