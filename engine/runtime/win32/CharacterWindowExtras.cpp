// The character window's part in the requests that ICharacter2 adds: queueing them from the
// client's thread, idling, showing and hiding the window for Show and Hide, and the balloon.
#include "CBalloonWindow.h"
#include "CCharacterWindow.h"
#include "CFullScreenWatch.h"

// The destructor of the balloon window needs its complete type.
CCharacterWindow::~CCharacterWindow() {
    // A window that outlived its thread must not reach this object any more.
    if (const HWND window = Handle()) SetWindowLongPtrA(window, GWLP_USERDATA, 0);
}

void CCharacterWindow::AppendRequest(Request request) {
    RunOnWindowThread([&] { m_engine.Append(std::move(request)); });
}

void CCharacterWindow::SetIdle(std::vector<std::string> names) {
    RunOnWindowThread([&] { m_engine.SetIdle(std::move(names), kIdleDelayMs, GetTickCount()); });
}

// Shown as Visible shows it, without taking the focus, but not brought to the foreground.
void CCharacterWindow::ShowWindowForRequest() {
    if (const HWND window = Handle()) ShowWindow(window, SW_SHOWNA);
}

void CCharacterWindow::HideWindowForRequest() {
    if (const HWND window = Handle()) ShowWindow(window, SW_HIDE);
}

void CCharacterWindow::ShowBalloon(BalloonKind kind, const BalloonStyle& style, const BalloonPage& page) {
    if (!m_balloon) {
        m_balloon = std::make_unique<CBalloonWindow>(Handle());
    }
    m_scene.RefreshFrameRect(m_player);
    m_balloon->Show(kind, style, page, m_scene.Rect(), m_scene.Scale().Dpi());
    m_balloonHandle.store(m_balloon->Handle());
    KeepBalloonAside();
}

void CCharacterWindow::HideBalloon() {
    if (m_balloon) m_balloon->Hide();
}

// Every tick: a balloon shown goes where the character's frame rectangle is now, at the
// character's scale now.
void CCharacterWindow::FollowBalloon() {
    if (m_balloon && m_balloon->IsShown()) m_balloon->Follow(m_scene.Rect(), m_scene.Scale().Dpi());
}
