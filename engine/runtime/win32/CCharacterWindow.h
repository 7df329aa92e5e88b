#pragma once
// The on-screen body of one character: a borderless topmost window run by the character
// thread, with the character's model, player, composed picture and request queue. The
// window's handlers turn system messages into ticks, drawing, dragging, the context menu and
// notifications to the owner's receiver window.
#include "Win32Api.h"

#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "CAnimationPlayer.h"
#include "CCharacterModel.h"
#include "CCharacterPresenter.h"
#include "CCharacterScene.h"
#include "CRequestEngine.h"
#include "DpiPolicy.h"

class CBalloonWindow;
class CFullScreenWatch;
class ICharacterOwner;

// Runs a function on the character thread (sent, so the caller waits); lParam is the key under
// which this process handed the function over. Internal to the engine, beside the CHM_ protocol.
constexpr UINT CHM_RUN = 0x400 + 125;

class CCharacterWindow : private IRequestHost {
public:
    static constexpr DWORD kStyle = 0xC6000000;    // pop-up and child bits, clip siblings and children
    static constexpr DWORD kExStyle = 0x00010188;  // control parent, tool window, raised edge, topmost

    explicit CCharacterWindow(ICharacterOwner& owner);
    CCharacterWindow(const CCharacterWindow&) = delete;
    CCharacterWindow& operator=(const CCharacterWindow&) = delete;
    ~CCharacterWindow() override;

    // On the character thread: creates the hidden window in the owner's mode.
    bool Create(HWND ownerWindow);
    // On the character thread: destroys the window if it still exists.
    void Destroy();

    HWND Handle() const { return m_window.load(); }
    bool Exists() const;

    // From the client's thread. Reads the file into the model and, unless the model reports
    // failure, binds a fresh player to it (position (0, 0), idle).
    bool LoadCharacterFile(const std::string& path);
    // The reference point := (x, y); the frame rectangle follows and a layered window moves at once.
    void SetPosition(float x, float y);
    // The reference point only; the window follows at the next tick.
    void SetReferencePoint(float x, float y) { m_player.SetPosition(PointF{x, y}); }
    // One coordinate of the reference point; a tick's move of the other is kept.
    void SetReferenceX(float x) { m_player.SetPositionX(x); }
    void SetReferenceY(float y) { m_player.SetPositionY(y); }
    PointF Position() const { return m_player.Position(); }
    // Shows without activating and brings the window forward, or hides it.
    void SetVisible(bool visible);

    bool IsRequestQueued(int32_t requestId) const { return m_engine.IsQueued(requestId); }
    // From the client's thread (CharacterWindowExtras.cpp): queues a request made by the
    // character object itself, and turns idling on with these animations or off with none.
    void AppendRequest(Request request);
    void SetIdle(std::vector<std::string> names);
    // The balloon window while one was ever shown; none otherwise (tests).
    HWND BalloonHandle() const { return m_balloonHandle.load(); }
    // How often a tick has put the picture on screen (diagnostics and tests).
    unsigned PresentCount() const { return m_presenter.PresentCount(); }
    bool IsActive() const { return m_active.load(); }
    bool IsSoundOn() const { return m_soundOn.load(); }
    void SetSoundOn(bool on) { m_soundOn.store(on); }
    // The window after which this one was last placed; 1 until the first z-order change.
    HWND ZOrderValue() const { return m_zOrder.load(); }
    // Screen pixels per file pixel (DpiPolicy): 1 for a DPI-unaware window.
    DisplayScale Scale() const { return m_player.Scale(); }
    // Written once before the first request, read-only afterwards.
    const CCharacterModel& Model() const { return m_model; }

    // A good neighbour on the desktop (CharacterWindowNeighbour.cpp), from the client's thread.
    // The size the client chose in percent, on top of the monitor's scale.
    void SetScalePercent(uint32_t percent);
    // The mouse passes through the character to whatever lies below: no mouse notification,
    // no drag, no context menu while it is on.
    void SetClickThrough(bool on);
    bool IsClickThrough() const { return m_clickThrough.load(); }
    // Steps out of the way of a full-screen program of another process on its monitor (below
    // that program's window) and comes back when that ends.
    void SetYieldToFullScreen(bool on);
    // The window of the full-screen program the character stands below now, or none.
    HWND SteppedAsideFor() const { return m_asideFor.load(); }

private:
    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    bool HandleProtocol(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);
    bool HandleInput(UINT message, WPARAM wParam, LPARAM lParam);
    void RunOnWindowThread(const std::function<void()>& action);
    static bool RunHandedAction(HWND window, LPARAM key);

    // Window messages.
    void OnTimer();
    void OnPaint(HWND window, WPARAM wParam, LPARAM lParam);
    void OnDisplayChange(int screenWidth, int screenHeight);
    DpiFacts CurrentDpiFacts() const;
    void OnDpiChanged(LPARAM lParam);
    void PlaceAtSuggested(const RECT& suggested, DisplayScale scale);
    void ApplyScale(DisplayScale scale);
    void BringBackOntoAMonitor();
    void OnPositionChanged(const WINDOWPOS& position, LPARAM lParam);
    void OnCommand(WPARAM wParam);
    void OnDestroy();
    void OnPlay(WPARAM wParam, LPARAM lParam);
    void OnPlayCommon(WPARAM wParam, LPARAM lParam);
    void AppendOrComplete(std::optional<Request> request, int32_t requestId);

    // The desktop neighbour (CharacterWindowNeighbour.cpp).
    void MakeTopmost();
    bool HandleNeighbourMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);
    bool IsOwnZOrderChange() const { return m_ownZOrderChange; }
    void ReconsiderFullScreen();
    void StepAside(HWND fullScreen);
    void ComeBack();
    void KeepBalloonAside();
    void PlaceOwnWindow(HWND window, HWND insertAfter);

    // Mouse and keyboard (CharacterWindowInput.cpp).
    void OnLeftButtonDown(WPARAM wParam, LPARAM lParam);
    void OnMouseMove(WPARAM wParam, LPARAM lParam);
    void OnLeftButtonUp(WPARAM wParam, LPARAM lParam);
    void OnRightButtonUp(LPARAM lParam);
    void ShowContextMenu(LPARAM lParam);
    POINT ScreenPoint(LPARAM lParam) const;

    // Notifications to the receiver window, posted only while it exists.
    void PostToReceiver(UINT notification, WPARAM wParam, LPARAM lParam) const;

    // IRequestHost
    uint32_t TickCount() override;
    void Notify(unsigned notification, int32_t requestId) override;
    void PlaySound(const std::string& soundName) override;
    void PresentBusy() override;
    void PresentIdle() override;
    void ShowWindowForRequest() override;
    void HideWindowForRequest() override;
    void ShowBalloon(BalloonKind kind, const BalloonStyle& style, const BalloonPage& page) override;
    void HideBalloon() override;
    void FollowBalloon();

    ICharacterOwner& m_owner;
    std::atomic<HWND> m_window{nullptr};
    CCharacterModel m_model;
    CAnimationPlayer m_player;
    CCharacterScene m_scene;
    CRequestEngine m_engine;
    CCharacterPresenter m_presenter;
    bool m_dragging = false;
    bool m_menuOpen = false;
    POINT m_dragAnchor{0, 0};
    std::atomic<HWND> m_zOrder{reinterpret_cast<HWND>(1)};
    std::atomic<bool> m_active{false};
    std::atomic<bool> m_soundOn{true};
    std::unique_ptr<CBalloonWindow> m_balloon;  // made by the first balloon shown
    std::atomic<HWND> m_balloonHandle{nullptr};
    std::atomic<uint32_t> m_scalePercent{kWholePercent};
    std::atomic<bool> m_clickThrough{false};
    std::atomic<HWND> m_asideFor{nullptr};
    bool m_ownZOrderChange = false;  // the window placing itself: not the client's z-order
    std::unique_ptr<CFullScreenWatch> m_fullScreenWatch;  // while YieldToFullScreen is on
};
