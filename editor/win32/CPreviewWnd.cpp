#include "CPreviewWnd.h"

#include <mmsystem.h>

#include "BlendedPicture.h"
#include "CFrame.h"
#include "ControlText.h"
#include "FrameEditor.h"
#include "PreviewArea.h"
#include "WindowDpi.h"
#include "ZoomedPicture.h"
#include "win32/DibGdi.h"

namespace {

constexpr UINT_PTR kTimerId = 1;
constexpr UINT kTimerPeriod = 100;
constexpr DWORD kSoundFlags = SND_FILENAME | SND_ASYNC;  // 0x20001: a file name, played in the background

}  // namespace

bool CPreviewWnd::Create(const RECT& rect, HWND parent, int) {
    if (!CreateChildWindow("tmp4", rect, parent)) return false;
    m_zoom = StartingZoomForDpi(WindowDpi(Handle()));
    m_buffer.Make(rect.right - rect.left, rect.bottom - rect.top);
    m_player = CPreviewPlayer(&m_character);
    m_player.SetAnimation(m_animationName);
    m_player.Start(GetTickCount());
    if (m_player.IsPlaying()) SetTimer(Handle(), kTimerId, kTimerPeriod, nullptr);
    return true;
}

// The character plays in picture pixels over the client area divided by the zoom, and is
// drawn zoom times larger, at least at its natural size on a scaled monitor.
void CPreviewWnd::Draw(HDC dc) {
    const SIZE client = ClientSize(Handle());
    m_player.SetPosition(WrappedPosition(m_player.Position(), client.cx / m_zoom, client.cy / m_zoom));
    m_buffer.FillWhite();
    const PointF at = m_player.Position();
    const auto picture = m_player.Picture(at.x, at.y);
    if (picture && picture->frame != nullptr && picture->frame->image.HasOpacity()) {
        // Soft edges over a checkerboard; keyed pictures show as they always have.
        DrawCheckerboard(m_buffer.Dc(), m_buffer.Width(), m_buffer.Height());
        DrawBlendedPicture(m_buffer.Dc(), picture->frame->image, picture->left * m_zoom, picture->top * m_zoom, m_zoom);
    } else if (picture && picture->frame != nullptr) {
        const CBryDIB& image = picture->frame->image;
        const GdiPalette palette = CreatePictureGdiPalette(image);
        DrawZoomedPicture(m_buffer.Dc(), image, picture->left * m_zoom, picture->top * m_zoom, m_zoom, palette.Get());
    }
    m_buffer.CopyTo(dc);
}

LRESULT CPreviewWnd::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_TIMER:
            if (wParam == kTimerId) OnTimer();
            break;
        case WM_SIZE: {
            const LRESULT result = CDrawnChildWnd::OnMessage(message, wParam, lParam);
            OnSize();
            return result;
        }
        case WM_DESTROY:
            KillTimer(Handle(), kTimerId);
            break;
        case WM_DPICHANGED_AFTERPARENT:  // at least the natural size on the new monitor too
            m_zoom = StartingZoomForDpi(WindowDpi(Handle()));
            OnSize();
            InvalidateRect(Handle(), nullptr, TRUE);
            return 0;
        default:
            break;
    }
    return CDrawnChildWnd::OnMessage(message, wParam, lParam);
}

void CPreviewWnd::OnTimer() {
    m_player.Update(GetTickCount());
    if (const auto sound = m_player.TakePendingSound()) PlaySoundA(sound->c_str(), nullptr, kSoundFlags);
    InvalidateRect(Handle(), nullptr, TRUE);
}

void CPreviewWnd::OnSize() {
    const SIZE client = ClientSize(Handle());
    m_player.SetPosition(AreaMiddle(client.cx / m_zoom, client.cy / m_zoom));
    if (!m_buffer.HasSize(client.cx, client.cy)) m_buffer.Make(client.cx, client.cy);
}
