#pragma once
// Puts a character's composed picture on screen, in one of two modes: layered (a window of the
// drawing area's size, 160 x 200 at scale 1, with the key colour transparent, moved to the
// frame rectangle) or region (a window over the whole virtual screen whose region is cut to
// the picture's visible pixels). A character whose pictures carry opacity is shown in layered
// mode through UpdateLayeredWindow with its premultiplied picture (pixels of opacity 0 let the
// mouse through), in region mode cut at half opacity.
#include "Win32Api.h"

#include <atomic>

#include "CLayeredPicture.h"
#include "FrameRectangle.h"
#include "Surface.h"

class CAnimationPlayer;
class CCharacterScene;
class CLayeredAttributes;

class CCharacterPresenter {
public:
    CCharacterPresenter(CCharacterScene& scene, const CAnimationPlayer& player, const CLayeredAttributes& layered);

    bool IsLayered() const;
    // The scene composes with opacity or without (CCharacterScene::UseOpacity); a layered
    // window changes its way of presenting with it.
    void UseOpacity(HWND window, bool opacity);
    // After a tick with a request in progress: the back surface becomes the saved picture.
    void PresentBusy(HWND window);
    // In an idle tick: the saved picture, at the player's current frame rectangle. Skipped
    // when the previous tick presented that same picture at that same rectangle: nothing on
    // screen would change, and each present costs several window-system calls.
    void PresentIdle(HWND window);
    // The frame rectangle follows a position set from outside; a layered window moves at once.
    void FollowPosition(HWND window);

    // Presents of the scene so far (busy and idle ticks, not paints); read from any thread.
    unsigned PresentCount() const { return m_presents.load(); }

    void Paint(HWND window);
    void EraseBackground(HWND window, HDC dc);
    void DisplayChanged(HWND window, int screenWidth, int screenHeight);
    // The scene took a new scale: the picture it shows goes on screen at once, at that scale
    // and at the frame rectangle (a layered window takes the new drawing area's size).
    void ScaleChanged(HWND window);
    // Region mode: where the window's client area starts on the screen.
    void SetScreenOrigin(POINT origin) { m_screenOrigin = origin; }

private:
    void Present(HWND window, bool repaint);
    void MoveToFrame(HWND window, bool repaint);
    void ApplyRegion(HWND window);
    void SetKeyColour(HWND window);
    POINT DrawOrigin() const;
    bool PresentsWithAlpha() const;
    // What region mode blits: the back surface, or with opacity its straight colours.
    const Surface& RegionPicture();

    CCharacterScene& m_scene;
    const CAnimationPlayer& m_player;
    const CLayeredAttributes& m_layered;
    std::atomic<unsigned> m_presents{0};
    POINT m_screenOrigin{0, 0};
    bool m_idleShown = false;  // the saved picture is on screen at m_idleRect
    FrameRectangle m_idleRect;
    CLayeredPicture m_alphaPicture;
    Surface m_straight;
};
