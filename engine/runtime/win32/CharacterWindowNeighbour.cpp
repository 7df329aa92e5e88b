// The character window as a neighbour on the desktop: topmost from the start, a size of the
// client's choosing, the mouse passing through, and stepping out of the way of a full-screen
// program of another process. The window's own placements are not the client's z-order: they
// change neither ZOrder nor raise its event.
#include <vector>

#include "CBalloonWindow.h"
#include "CCharacterWindow.h"
#include "CFullScreenWatch.h"
#include "FullScreenRule.h"
#include "MonitorLayout.h"

namespace {

constexpr UINT kPlaceOnly = SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_NOOWNERZORDER;

bool IsTopmost(HWND window) { return (GetWindowLongPtrA(window, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0; }

}  // namespace

// Created with the topmost style, the window carries the child bit as well, for which some
// systems drop that style: it is made topmost explicitly once it exists.
void CCharacterWindow::MakeTopmost() { PlaceOwnWindow(Handle(), HWND_TOPMOST); }

void CCharacterWindow::PlaceOwnWindow(HWND window, HWND insertAfter) {
    if (window == nullptr) return;
    m_ownZOrderChange = true;
    SetWindowPos(window, insertAfter, 0, 0, 0, 0, kPlaceOnly);
    m_ownZOrderChange = false;
}

void CCharacterWindow::SetScalePercent(uint32_t percent) {
    m_scalePercent.store(percent);
    RunOnWindowThread([this] { ApplyScale(CharacterScale(CurrentDpiFacts())); });
}

// A layered window transparent to the mouse lets clicks reach any window below, of any
// program. A region-mode window can only answer that it is transparent to hit-testing, which
// passes clicks to windows of its own thread alone: it then ignores the mouse.
void CCharacterWindow::SetClickThrough(bool on) {
    m_clickThrough.store(on);
    RunOnWindowThread([this, on] {
        const HWND window = Handle();
        if (window == nullptr) return;
        if (m_presenter.IsLayered()) {
            const LONG_PTR style = GetWindowLongPtrA(window, GWL_EXSTYLE);
            SetWindowLongPtrA(window, GWL_EXSTYLE, on ? style | WS_EX_TRANSPARENT : style & ~LONG_PTR{WS_EX_TRANSPARENT});
        }
        if (on && m_dragging) {
            m_dragging = false;
            ReleaseCapture();
        }
    });
}

void CCharacterWindow::SetYieldToFullScreen(bool on) {
    RunOnWindowThread([this, on] {
        if (!on) {
            m_fullScreenWatch.reset();
            if (m_asideFor.load() != nullptr) ComeBack();
            return;
        }
        // Only the window's own thread watches: a window already gone has none.
        if (m_fullScreenWatch || !Exists()) return;
        m_fullScreenWatch = std::make_unique<CFullScreenWatch>([this] { ReconsiderFullScreen(); });
        ReconsiderFullScreen();
    });
}

// Observes without handling, except the hit-test while the mouse passes through.
bool CCharacterWindow::HandleNeighbourMessage(UINT message, WPARAM, LPARAM lParam, LRESULT& result) {
    switch (message) {
    case WM_NCHITTEST:
        if (!IsClickThrough()) return false;
        result = HTTRANSPARENT;
        return true;
    case WM_WINDOWPOSCHANGED: {
        // A move may take the character onto or off the full-screen program's monitor.
        const auto* position = reinterpret_cast<const WINDOWPOS*>(lParam);
        if (m_fullScreenWatch && (position->flags & SWP_NOMOVE) == 0) ReconsiderFullScreen();
        return false;
    }
    case WM_DISPLAYCHANGE:
        if (m_fullScreenWatch) ReconsiderFullScreen();
        return false;
    case WM_DESTROY:
        m_fullScreenWatch.reset();  // its hooks and timer belong to this thread
        return false;
    default:
        return false;
    }
}

void CCharacterWindow::ReconsiderFullScreen() {
    if (!m_fullScreenWatch || !Exists()) return;
    const ForegroundWindow foreground = ReadForegroundWindow();
    FullScreenFacts facts;
    facts.foreground = foreground.facts;
    facts.state = m_fullScreenWatch->State();
    facts.character = m_player.CurrentFrameRect();
    for (const MonitorArea& area : CurrentMonitors()) facts.monitors.push_back(area.monitor);
    m_fullScreenWatch->FollowForeground(foreground.window);
    const bool aside = ShouldStepAside(facts);
    if (aside) {
        StepAside(foreground.facts.candidate ? foreground.window : nullptr);
    } else if (m_asideFor.load() != nullptr) {
        ComeBack();
    }
    m_fullScreenWatch->SetPolling(aside);
}

// Right below the full-screen window (the bottom for presentation settings), and the balloon
// between the two, as owned windows stand above their owner. Below a window that is not
// topmost, the character is not topmost either. It stays shown, and its requests go on.
void CCharacterWindow::StepAside(HWND fullScreen) {
    const HWND above = fullScreen != nullptr ? fullScreen : HWND_BOTTOM;
    if (m_asideFor.load() == above) return;
    const HWND balloon = m_balloon ? m_balloon->Handle() : nullptr;
    const bool keepTopmost = fullScreen != nullptr && IsTopmost(fullScreen);
    for (const HWND window : {Handle(), balloon}) {
        if (window == nullptr) continue;
        if (!keepTopmost) PlaceOwnWindow(window, HWND_NOTOPMOST);
        PlaceOwnWindow(window, above);
    }
    m_asideFor.store(above);
}

void CCharacterWindow::ComeBack() {
    m_asideFor.store(nullptr);
    MakeTopmost();
    if (m_balloon && m_balloon->Handle() != nullptr) PlaceOwnWindow(m_balloon->Handle(), HWND_TOPMOST);
}

// A balloon shown while the character stands aside stands aside with it.
void CCharacterWindow::KeepBalloonAside() {
    const HWND above = m_asideFor.load();
    if (above == nullptr || !m_balloon || m_balloon->Handle() == nullptr) return;
    if (above == HWND_BOTTOM || !IsTopmost(above)) PlaceOwnWindow(m_balloon->Handle(), HWND_NOTOPMOST);
    PlaceOwnWindow(m_balloon->Handle(), above);
}
