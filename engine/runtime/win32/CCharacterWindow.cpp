#include "CCharacterWindow.h"

#include <optional>
#include <vector>

#include "CBalloonWindow.h"
#include "CharacterMessages.h"
#include "CFullScreenWatch.h"
#include "CharacterWindowClass.h"
#include "CodeModule.h"
#include "DpiAwareness.h"
#include "HandoffTable.h"
#include "IntegerConversion.h"
#include "ICharacterOwner.h"
#include "MonitorLayout.h"
#include "RequestArrays.h"
#include "RuntimeConstants.h"
#include "SoundPath.h"
#include "WindowRegion.h"

namespace {

// The actions handed to character threads by CHM_RUN, each under a key of this process.
HandoffTable<const std::function<void()>*>& PendingActions() {
    static HandoffTable<const std::function<void()>*> table;
    return table;
}

}  // namespace

CCharacterWindow::CCharacterWindow(ICharacterOwner& owner)
    : m_owner(owner),
      m_engine(m_model, m_player, m_scene, *this),
      m_presenter(m_scene, m_player, owner.LayeredAttributes()) {}

bool CCharacterWindow::Create(HWND ownerWindow) {
    if (!RegisterCharacterWindowClass(&Procedure)) return false;
    const bool layered = m_presenter.IsLayered();
    // Region mode covers every monitor; on one monitor that is the screen at (0, 0).
    const ScreenRect screen = layered ? ScreenRect{0, 0, kDrawingWidth, kDrawingHeight} : VirtualScreen();
    const HWND window = CreateWindowExA(kExStyle, kCharacterWindowClass, nullptr, kStyle, screen.left, screen.top,
                                        screen.right - screen.left, screen.bottom - screen.top, ownerWindow, nullptr,
                                        CodeModule(), this);
    if (window == nullptr) return false;
    m_presenter.SetScreenOrigin(POINT{screen.left, screen.top});
    if (layered) {
        SetWindowLongPtrA(window, GWL_EXSTYLE, GetWindowLongPtrA(window, GWL_EXSTYLE) | WS_EX_LAYERED);
        // The real key colour is set at the first background erase.
        m_owner.LayeredAttributes().Set(window, 0, 0, LWA_COLORKEY);
    } else {
        // Nothing of the full-screen window shows until the first tick cuts its region.
        UniqueRegion empty = EmptyRegion();
        if (empty && SetWindowRgn(window, empty.Get(), TRUE) != 0) empty.Release();
    }
    ApplyScale(CharacterScale(CurrentDpiFacts()));
    MakeTopmost();
    return true;
}

void CCharacterWindow::Destroy() {
    if (const HWND window = Handle()) DestroyWindow(window);
}

bool CCharacterWindow::Exists() const {
    const HWND window = Handle();
    return window != nullptr && IsWindow(window);
}

bool CCharacterWindow::LoadCharacterFile(const std::string& path) {
    CCharacterModel loaded(path);
    const bool succeeded = !loaded.IsFailed();
    RunOnWindowThread([&] {
        m_scene.ForgetPictures();  // they belong to the frames of the model replaced here
        m_model = std::move(loaded);
        if (succeeded) m_player.Rebind(&m_model);
    });
    return succeeded;
}

void CCharacterWindow::SetPosition(float x, float y) {
    m_player.SetPosition(PointF{x, y});
    RunOnWindowThread([this] { m_presenter.FollowPosition(Handle()); });
}

void CCharacterWindow::SetVisible(bool visible) {
    const HWND window = Handle();
    if (window == nullptr) return;
    if (!visible) {
        ShowWindow(window, SW_HIDE);
        return;
    }
    ShowWindow(window, SW_SHOWNA);
    SetForegroundWindow(window);
}

// The frame rectangle, the model and the player belong to the character thread; the client's
// thread reaches them through a sent message while the window runs, directly otherwise. The
// message carries a key to the action, not its address; an action that the window did not
// take (it is gone) is taken back and run here.
void CCharacterWindow::RunOnWindowThread(const std::function<void()>& action) {
    const HWND window = Handle();
    if (window == nullptr || GetWindowThreadProcessId(window, nullptr) == GetCurrentThreadId()) {
        action();
        return;
    }
    const uintptr_t key = PendingActions().Issue(window, &action);
    SendMessageA(window, CHM_RUN, 0, static_cast<LPARAM>(key));
    if (PendingActions().Take(window, key)) action();
}

// Runs the action handed over under the key, if this window was handed one under it.
bool CCharacterWindow::RunHandedAction(HWND window, LPARAM key) {
    const auto action = PendingActions().Take(window, static_cast<uintptr_t>(key));
    if (!action) return false;
    (**action)();
    return true;
}

LRESULT CALLBACK CCharacterWindow::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        // A window of the class made by anyone else than Create has no character behind it.
        auto* created = static_cast<CCharacterWindow*>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams);
        SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(created));
        if (created != nullptr) created->m_window.store(window);
    }
    auto* self = reinterpret_cast<CCharacterWindow*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    if (self == nullptr) return DefWindowProcA(window, message, wParam, lParam);
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrA(window, GWLP_USERDATA, 0);
        self->m_window.store(nullptr);
        return DefWindowProcA(window, message, wParam, lParam);
    }
    // Nothing may unwind into the system's message dispatch (memory running out while a
    // picture is drawn, most likely): the message then gets the default handling.
    try {
        return self->HandleMessage(window, message, wParam, lParam);
    } catch (...) {
        return DefWindowProcA(window, message, wParam, lParam);
    }
}

LRESULT CCharacterWindow::HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    LRESULT handled = 0;
    if (HandleNeighbourMessage(message, wParam, lParam, handled)) return handled;
    switch (message) {
    case WM_TIMER:
        OnTimer();
        return 0;
    case WM_PAINT:
        m_presenter.Paint(window);
        break;  // the default processing validates the window
    case WM_ERASEBKGND:
        m_presenter.EraseBackground(window, reinterpret_cast<HDC>(wParam));
        return 1;
    case WM_DISPLAYCHANGE:
        OnDisplayChange(LOWORD(lParam), HIWORD(lParam));
        return 0;
    case WM_DPICHANGED:
        OnDpiChanged(lParam);
        return 0;
    case WM_WINDOWPOSCHANGED:
        OnPositionChanged(*reinterpret_cast<const WINDOWPOS*>(lParam), lParam);
        return 0;
    case WM_ACTIVATE:
        m_active.store(LOWORD(wParam) != 0);
        break;  // the default processing gives the window the keyboard focus
    case WM_COMMAND:
        if (wParam == 1) ShowWindow(window, SW_HIDE);
        return 0;
    case WM_CLOSE:
        return 0;  // a character cannot be closed by the user
    case WM_DESTROY:
        m_balloon.reset();
        PostMessageA(window, WM_QUIT, 0, 0);
        return 0;
    default: {
        LRESULT result = 0;
        if (HandleProtocol(message, wParam, lParam, result)) return result;
        if (HandleInput(message, wParam, lParam)) return 0;
        break;
    }
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

bool CCharacterWindow::HandleProtocol(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    result = 0;
    switch (message) {
    case CHM_PLAY:
        OnPlay(wParam, lParam);
        return true;
    case CHM_PLAYCOMMON:
        OnPlayCommon(wParam, lParam);
        return true;
    case CHM_STOP:
        m_engine.Stop(static_cast<int32_t>(lParam));
        return true;
    case CHM_STOPALL:
        m_engine.StopAll();
        return true;
    case CHM_CLOSE:
        Destroy();
        return true;
    case CHM_RUN:
        result = RunHandedAction(Handle(), lParam) ? 1 : 0;
        return true;
    default:
        return false;
    }
}

// A region-mode window spans every monitor: before each tick it takes the scale of the
// monitor its character is on.
void CCharacterWindow::OnTimer() {
    if (!Exists()) return;
    if (!m_presenter.IsLayered()) ApplyScale(CharacterScale(CurrentDpiFacts()));
    m_engine.Tick();
}

DpiFacts CCharacterWindow::CurrentDpiFacts() const {
    const HWND window = Handle();
    DpiFacts facts;
    facts.awareness = WindowAwarenessOf(window);
    facts.layered = m_presenter.IsLayered();
    facts.windowDpi = m_owner.WindowDpiOf(window);
    facts.percent = m_scalePercent.load();
    if (!facts.layered && facts.awareness == WindowAwareness::PerMonitor) {
        const PointF point = m_player.Position();
        facts.monitorDpi = m_owner.MonitorDpiAt(POINT{TruncateToInt32(point.x), TruncateToInt32(point.y)});
    }
    return facts;
}

// Obeyed only as DecideDpiChange says; the suggested rectangle is read only for a real change
// of a per-monitor-aware layered window.
void CCharacterWindow::OnDpiChanged(LPARAM lParam) {
    const DpiChangeAction action = DecideDpiChange(CurrentDpiFacts(), m_scene.Scale());
    if (!action.rescale) return;
    if (action.takeSuggested && lParam != 0) PlaceAtSuggested(*reinterpret_cast<const RECT*>(lParam), action.scale);
    ApplyScale(action.scale);
}

// The reference point moves so that the window, at the new scale, lies where PlaceForNewDpi says.
void CCharacterWindow::PlaceAtSuggested(const RECT& suggested, DisplayScale scale) {
    RECT current{};
    if (!GetWindowRect(Handle(), &current)) return;
    std::vector<ScreenRect> monitors;
    for (const MonitorArea& area : CurrentMonitors()) monitors.push_back(area.monitor);
    const ScreenRect placed =
        PlaceForNewDpi(ScreenRect{suggested.left, suggested.top, suggested.right, suggested.bottom},
                       scale.Length(kDrawingWidth), scale.Length(kDrawingHeight),
                       ScreenRect{current.left, current.top, current.right, current.bottom}, monitors);
    m_player.SetScale(scale);
    m_player.SetPosition(PointForPlacedFrame(m_player.Position(), m_player.CurrentFrameRect(), placed));
}

// Picture, anchors and shifts at the scale; the picture shown is drawn anew at once.
void CCharacterWindow::ApplyScale(DisplayScale scale) {
    if (scale == m_scene.Scale()) return;
    m_player.SetScale(scale);
    m_scene.SetScale(scale);
    m_presenter.ScaleChanged(Handle());
}

void CCharacterWindow::OnDisplayChange(int screenWidth, int screenHeight) {
    m_presenter.DisplayChanged(Handle(), screenWidth, screenHeight);
    BringBackOntoAMonitor();
}

// A character that a display change left on no monitor goes whole onto the nearest work
// area; a layered window's move reports itself, region mode reports the move here.
void CCharacterWindow::BringBackOntoAMonitor() {
    m_scene.RefreshFrameRect(m_player);
    const std::optional<ScreenOffset> offset = BringBackOffset(m_scene.Rect(), CurrentMonitors());
    if (!offset) return;
    const PointF position = m_player.Position();
    m_player.SetPosition(PointF{position.x + static_cast<float>(offset->dx), position.y + static_cast<float>(offset->dy)});
    m_presenter.FollowPosition(Handle());
    if (!m_presenter.IsLayered()) PostToReceiver(CRN_MOVE, 0 /* move cause */, 0);
}

void CCharacterWindow::OnPositionChanged(const WINDOWPOS& position, LPARAM lParam) {
    constexpr UINT kUnchanged = SWP_NOMOVE | SWP_NOSIZE;
    if ((position.flags & kUnchanged) != kUnchanged) PostToReceiver(CRN_MOVE, 0 /* move cause */, lParam);
    if ((position.flags & SWP_NOZORDER) == 0 && !IsOwnZOrderChange()) {
        m_zOrder.store(position.hwndInsertAfter);
        PostToReceiver(CRN_ZORDER, reinterpret_cast<WPARAM>(position.hwndInsertAfter), 0);
    }
}

// Only an array that a character object of this process sent to this window, with this
// request ID, and that was not taken yet is read (and then destroyed); anything else is
// ignored. A request whose ID was counted but whose array cannot be read completes at once,
// so that no client waits for it.
void CCharacterWindow::OnPlay(WPARAM wParam, LPARAM lParam) {
    const auto requestId = static_cast<int32_t>(lParam);
    const UniqueSafeArray array = TakeSentRequestArray(Handle(), wParam, requestId);
    if (!array) return;
    AppendOrComplete(DecodePlayArray(array.Get(), requestId), requestId);
}

void CCharacterWindow::OnPlayCommon(WPARAM wParam, LPARAM lParam) {
    const auto requestId = static_cast<int32_t>(lParam);
    const UniqueSafeArray array = TakeSentRequestArray(Handle(), wParam, requestId);
    if (!array) return;
    const PartnerFactory factory = [this](IUnknown* other) { return m_owner.MakePartner(other); };
    AppendOrComplete(DecodePlayCommonArray(array.Get(), requestId, factory), requestId);
}

void CCharacterWindow::AppendOrComplete(std::optional<Request> request, int32_t requestId) {
    if (request) {
        m_engine.Append(std::move(*request));
        return;
    }
    Notify(CRN_REQUESTCOMPLETE, requestId);
}

void CCharacterWindow::PostToReceiver(UINT notification, WPARAM wParam, LPARAM lParam) const {
    const HWND receiver = m_owner.ReceiverWindow();
    // A right double click is reported even when the receiver is gone.
    if (notification == CRN_RBUTTONDBLCLK || IsWindow(receiver)) PostMessageA(receiver, notification, wParam, lParam);
}

uint32_t CCharacterWindow::TickCount() { return GetTickCount(); }

void CCharacterWindow::Notify(unsigned notification, int32_t requestId) {
    PostToReceiver(notification, static_cast<WPARAM>(requestId), 0);
}

// A sound name read from a file is untrusted: only a bare file name is played.
void CCharacterWindow::PlaySound(const std::string& soundName) {
    if (!IsSoundOn() || !IsPlayableSoundName(soundName)) return;
    m_owner.PlaySoundFile(SoundFilePath(m_owner.StartDirectory(), soundName));
}

void CCharacterWindow::PresentBusy() {
    m_presenter.PresentBusy(Handle());
    FollowBalloon();
}

void CCharacterWindow::PresentIdle() {
    m_presenter.PresentIdle(Handle());
    FollowBalloon();
}
