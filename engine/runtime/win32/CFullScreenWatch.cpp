#include "CFullScreenWatch.h"

#include <map>
#include <mutex>

namespace {

// Each character thread has at most one watch: the callbacks, which get no context, find it
// under their thread. (No thread-local variable: the module may be unloaded while threads that
// never had a watch go on.)
std::mutex g_watchesLock;
std::map<DWORD, CFullScreenWatch*> g_watches;

void SetThreadWatch(CFullScreenWatch* watch) {
    const std::lock_guard<std::mutex> guard(g_watchesLock);
    if (watch != nullptr) {
        g_watches[GetCurrentThreadId()] = watch;
    } else {
        g_watches.erase(GetCurrentThreadId());
    }
}

CFullScreenWatch* ThreadWatch() {
    const std::lock_guard<std::mutex> guard(g_watchesLock);
    const auto found = g_watches.find(GetCurrentThreadId());
    return found != g_watches.end() ? found->second : nullptr;
}

constexpr UINT kPollPeriodMs = 1000;
constexpr DWORD kHookFlags = WINEVENT_OUTOFCONTEXT;

// SHQueryUserNotificationState's values (shellapi.h, Windows Vista).
enum : int {
    kQunsBusy = 2,
    kQunsRunningD3DFullScreen = 3,
    kQunsPresentationMode = 4,
};

bool IsDesktopOrShell(HWND window) {
    if (window == GetDesktopWindow() || window == GetShellWindow()) return true;
    char className[16] = {};
    GetClassNameA(window, className, sizeof className);
    return lstrcmpiA(className, "WorkerW") == 0 || lstrcmpiA(className, "Progman") == 0;
}

}  // namespace

ForegroundWindow ReadForegroundWindow() {
    ForegroundWindow foreground;
    foreground.window = GetForegroundWindow();
    const HWND window = foreground.window;
    if (window == nullptr) return foreground;
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    RECT rect{};
    if (process == GetCurrentProcessId() || IsDesktopOrShell(window) || !IsWindowVisible(window) || IsIconic(window) ||
        !GetWindowRect(window, &rect)) {
        return foreground;
    }
    foreground.facts.candidate = true;
    foreground.facts.maximised = IsZoomed(window) != FALSE;
    foreground.facts.rect = ScreenRect{rect.left, rect.top, rect.right, rect.bottom};
    return foreground;
}

CFullScreenWatch::CFullScreenWatch(std::function<void()> lookAgain) : m_lookAgain(std::move(lookAgain)) {
    SetThreadWatch(this);
    m_shell.Reset(LoadLibraryExA("shell32.dll", nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32));
    if (m_shell) {
        m_queryState = reinterpret_cast<QueryStateEntry>(
            reinterpret_cast<void*>(GetProcAddress(m_shell.Get(), "SHQueryUserNotificationState")));
    }
    m_foregroundHook.Reset(
        SetWinEventHook(EVENT_SYSTEM_FOREGROUND, EVENT_SYSTEM_FOREGROUND, nullptr, &OnEvent, 0, 0, kHookFlags));
    m_minimiseHook.Reset(
        SetWinEventHook(EVENT_SYSTEM_MINIMIZESTART, EVENT_SYSTEM_MINIMIZEEND, nullptr, &OnEvent, 0, 0, kHookFlags));
}

CFullScreenWatch::~CFullScreenWatch() {
    SetPolling(false);
    SetThreadWatch(nullptr);
}

void CFullScreenWatch::FollowForeground(HWND foreground) {
    m_followed = foreground;
    DWORD process = 0;
    const DWORD thread = foreground != nullptr ? GetWindowThreadProcessId(foreground, &process) : 0;
    if (thread == m_followedThread) return;
    m_windowHook.Reset();
    m_followedThread = 0;
    if (thread == 0 || process == GetCurrentProcessId()) return;
    // Destroy, show, hide, ..., location change: one range, of that thread only.
    m_windowHook.Reset(SetWinEventHook(EVENT_OBJECT_DESTROY, EVENT_OBJECT_LOCATIONCHANGE, nullptr, &OnEvent, process,
                                       thread, kHookFlags));
    if (m_windowHook) m_followedThread = thread;
}

void CFullScreenWatch::SetPolling(bool on) {
    if (on == (m_timer != 0)) return;
    if (!on) {
        KillTimer(nullptr, m_timer);
        m_timer = 0;
        return;
    }
    m_timer = SetTimer(nullptr, 0, kPollPeriodMs, &OnTimer);
}

NotificationState CFullScreenWatch::State() const {
    int state = 0;
    if (m_queryState == nullptr || FAILED(m_queryState(&state))) return NotificationState::Other;
    switch (state) {
    case kQunsBusy:
        return NotificationState::Busy;
    case kQunsRunningD3DFullScreen:
        return NotificationState::Direct3DFullScreen;
    case kQunsPresentationMode:
        return NotificationState::PresentationMode;
    default:
        return NotificationState::Other;
    }
}

// Events of the followed thread count only for the followed window itself.
void CALLBACK CFullScreenWatch::OnEvent(HWINEVENTHOOK hook, DWORD, HWND window, LONG object, LONG child, DWORD,
                                        DWORD) {
    CFullScreenWatch* watch = ThreadWatch();
    if (watch == nullptr) return;
    const bool windowEvent = hook == watch->m_windowHook.Get();
    if (windowEvent && (window != watch->m_followed || object != OBJID_WINDOW || child != CHILDID_SELF)) return;
    watch->LookAgain();
}

void CALLBACK CFullScreenWatch::OnTimer(HWND, UINT, UINT_PTR, DWORD) {
    if (CFullScreenWatch* watch = ThreadWatch()) watch->LookAgain();
}

// A look that itself lets an event through (a placement waits for other threads) is followed
// by one more look, not nested in it. Nothing may unwind into the system's callback: a look
// that fails (memory running out) is left to the next event.
void CFullScreenWatch::LookAgain() {
    if (m_looking) {
        m_lookPending = true;
        return;
    }
    m_looking = true;
    try {
        do {
            m_lookPending = false;
            m_lookAgain();
        } while (m_lookPending);
    } catch (...) {
        m_lookPending = false;
    }
    m_looking = false;
}
