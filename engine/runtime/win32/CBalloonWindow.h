#pragma once
// The balloon of one character: a borderless pop-up of the character thread, owned by the
// character window (so always above it) and topmost, shaped by a window region, placed above
// or below the character's frame rectangle on the work area of the character's monitor, and
// moved along with the character at every tick. Mouse input passes through it (layered and
// transparent to the mouse).
#include "Win32Api.h"

#include "BalloonPlacement.h"
#include "CBalloonArtist.h"
#include "UniqueHandle.h"

class CBalloonWindow {
public:
    explicit CBalloonWindow(HWND character) : m_character(character) {}
    CBalloonWindow(const CBalloonWindow&) = delete;
    CBalloonWindow& operator=(const CBalloonWindow&) = delete;
    ~CBalloonWindow();

    // On the character thread: shows the page beside the frame rectangle.
    void Show(BalloonKind kind, const BalloonStyle& style, const BalloonPage& page, const ScreenRect& frame, UINT dpi);
    // Follows the frame rectangle, drawn anew at another DPI (a monitor of another scale);
    // hidden while the character is.
    void Follow(const ScreenRect& frame, UINT dpi);
    void Hide();
    bool IsShown() const { return m_shown; }
    HWND Handle() const { return m_window.Get(); }

private:
    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    bool EnsureWindow();
    void Place(const ScreenRect& frame, bool reshape);

    HWND m_character;
    UniqueWindow m_window;
    CBalloonArtist m_artist;
    BalloonPlacement m_placement;
    ScreenRect m_frame;  // the frame rectangle the balloon was last placed at
    bool m_shown = false;
    UINT m_dpi = 96;
};

// The window class of balloons, registered on first use; unregistered for a module about to be
// unloaded, false (and still registered) while a balloon window remains.
bool UnregisterBalloonWindowClass();
