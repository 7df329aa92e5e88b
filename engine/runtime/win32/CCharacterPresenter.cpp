#include "CCharacterPresenter.h"

#include "CAnimationPlayer.h"
#include "CCharacterScene.h"
#include "CLayeredAttributes.h"
#include "MonitorLayout.h"
#include "PictureOpacity.h"
#include "RuntimeConstants.h"
#include "ScopedHandles.h"
#include "SurfaceBlit.h"
#include "WindowRegion.h"

CCharacterPresenter::CCharacterPresenter(CCharacterScene& scene, const CAnimationPlayer& player,
                                         const CLayeredAttributes& layered)
    : m_scene(scene), m_player(player), m_layered(layered) {}

bool CCharacterPresenter::IsLayered() const { return m_layered.Available(); }

bool CCharacterPresenter::PresentsWithAlpha() const { return IsLayered() && m_scene.UsesOpacity(); }

// A layered window whose attributes were set takes no UpdateLayeredWindow until its layered
// style is cleared and set again; clearing it also drops the picture UpdateLayeredWindow gave.
void CCharacterPresenter::UseOpacity(HWND window, bool opacity) {
    if (opacity == m_scene.UsesOpacity()) return;
    m_scene.UseOpacity(opacity);
    m_idleShown = false;
    if (!IsLayered() || window == nullptr) return;
    const LONG_PTR style = GetWindowLongPtrA(window, GWL_EXSTYLE);
    SetWindowLongPtrA(window, GWL_EXSTYLE, style & ~static_cast<LONG_PTR>(WS_EX_LAYERED));
    SetWindowLongPtrA(window, GWL_EXSTYLE, style | WS_EX_LAYERED);
    if (!opacity) SetKeyColour(window);
}

const Surface& CCharacterPresenter::RegionPicture() {
    if (!m_scene.UsesOpacity()) return m_scene.Back();
    m_straight = m_scene.Back();
    for (int y = 0; y < m_straight.Height(); ++y) {
        uint32_t* row = m_straight.Row(y);
        for (int x = 0; x < m_straight.Width(); ++x) row[x] = Unpremultiply(row[x]);
    }
    return m_straight;
}

void CCharacterPresenter::PresentBusy(HWND window) {
    m_idleShown = false;
    m_scene.SaveBack();
    Present(window, false);
}

// The back surface is restored in every idle tick all the same: painting draws from it.
void CCharacterPresenter::PresentIdle(HWND window) {
    m_scene.RestoreSavedToBack();
    m_scene.RefreshFrameRect(m_player);
    if (m_idleShown && m_scene.Rect() == m_idleRect) return;
    Present(window, true);
    m_idleShown = true;
    m_idleRect = m_scene.Rect();
}

void CCharacterPresenter::FollowPosition(HWND window) {
    m_scene.RefreshFrameRect(m_player);
    if (IsLayered()) MoveToFrame(window, true);
}

// Layered: the picture into the window, then the window to the frame rectangle. Region: the
// new region, then the picture at the frame rectangle.
void CCharacterPresenter::Present(HWND window, bool repaint) {
    m_presents.fetch_add(1);
    if (PresentsWithAlpha()) {
        const auto& rect = m_scene.Rect();
        m_alphaPicture.Show(m_layered, window, m_scene.Back(), POINT{rect.left, rect.top});
        return;
    }
    if (IsLayered()) {
        {
            WindowDc dc(window);
            BlitSurface(dc.Get(), m_scene.Back(), 0, 0);
        }
        MoveToFrame(window, repaint);
        return;
    }
    ApplyRegion(window);
    WindowDc dc(window);
    const POINT origin = DrawOrigin();
    BlitSurface(dc.Get(), RegionPicture(), origin.x, origin.y);
}

void CCharacterPresenter::MoveToFrame(HWND window, bool repaint) {
    const auto& rect = m_scene.Rect();
    MoveWindow(window, rect.left, rect.top, m_scene.Back().Width(), m_scene.Back().Height(), repaint ? TRUE : FALSE);
}

void CCharacterPresenter::ApplyRegion(HWND window) {
    UniqueRegion region = RegionFromRuns(m_scene.BuildRuns(m_screenOrigin.x, m_screenOrigin.y));
    // Once set, the region belongs to the system, which discards the previous one.
    if (region && SetWindowRgn(window, region.Get(), TRUE) != 0) region.Release();
}

// A window shown through UpdateLayeredWindow keeps its picture itself and paints nothing.
void CCharacterPresenter::Paint(HWND window) {
    if (PresentsWithAlpha()) return;
    WindowDc dc(window);
    const POINT origin = DrawOrigin();
    BlitSurface(dc.Get(), RegionPicture(), origin.x, origin.y);
}

void CCharacterPresenter::EraseBackground(HWND window, HDC dc) {
    if (PresentsWithAlpha()) return;
    const POINT origin = DrawOrigin();
    BlitSurface(dc, RegionPicture(), origin.x, origin.y);
    if (IsLayered()) SetKeyColour(window);
}

void CCharacterPresenter::DisplayChanged(HWND window, int screenWidth, int screenHeight) {
    m_idleShown = false;  // a new screen mode shows the picture anew
    if (IsLayered()) {
        if (!PresentsWithAlpha()) SetKeyColour(window);
        return;
    }
    // One monitor: the new screen size the message gives; several: the virtual screen.
    const ScreenRect screen =
        GetSystemMetrics(SM_CMONITORS) > 1 ? VirtualScreen() : ScreenRect{0, 0, screenWidth, screenHeight};
    m_screenOrigin = POINT{screen.left, screen.top};
    SetWindowPos(window, nullptr, screen.left, screen.top, screen.right - screen.left, screen.bottom - screen.top,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    UniqueRegion empty = EmptyRegion();
    if (empty && SetWindowRgn(window, empty.Get(), TRUE) != 0) empty.Release();
}

// The scene drew the shown frame anew at the new scale: it goes on screen now, busy or idle,
// rather than waiting for a tick (a hidden window shows it when it is next shown).
void CCharacterPresenter::ScaleChanged(HWND window) {
    m_idleShown = false;
    m_scene.RestoreSavedToBack();
    m_scene.RefreshFrameRect(m_player);
    if (window == nullptr) return;
    if (!IsWindowVisible(window)) {
        if (IsLayered()) MoveToFrame(window, true);
        return;
    }
    Present(window, true);
    m_idleShown = true;
    m_idleRect = m_scene.Rect();
}

void CCharacterPresenter::SetKeyColour(HWND window) { m_layered.Set(window, KeyColourRef(), 0, LWA_COLORKEY); }

// The layered window is the drawing area itself; the virtual-screen window draws at the frame.
POINT CCharacterPresenter::DrawOrigin() const {
    if (IsLayered()) return POINT{0, 0};
    return POINT{m_scene.Rect().left - m_screenOrigin.x, m_scene.Rect().top - m_screenOrigin.y};
}
