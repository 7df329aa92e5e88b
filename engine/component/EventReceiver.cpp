#include "EventReceiver.h"

#include <mutex>

#include "CharacterMessages.h"
#include "CharacterWindowClass.h"
#include "CodeModule.h"
#include "HandoffTable.h"

namespace {

constexpr const char* kReceiverClass = "VimroGECharacterEventReceiver";
constexpr const char* kReceiverName = "CharacterEventReceiver";

std::mutex g_classLock;
bool g_classRegistered = false;

bool RegisterReceiverClass(WNDPROC procedure) {
    const std::lock_guard<std::mutex> guard(g_classLock);
    if (g_classRegistered) return true;
    WNDCLASSEXA windowClass{};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = CodeModule();
    windowClass.lpszClassName = kReceiverClass;
    g_classRegistered = RegisterModuleClass(windowClass);
    return g_classRegistered;
}

bool IsNotification(UINT message) { return message >= CRN_MOVE && message <= CRN_LBUTTONUP; }

// References on their way to be released on their receiver's thread, each under a key.
HandoffTable<IUnknown*>& PendingReleases() {
    static HandoffTable<IUnknown*> table;
    return table;
}

void ReleaseHandedReference(HWND receiver, LPARAM key) {
    if (const auto reference = PendingReleases().Take(receiver, static_cast<uintptr_t>(key))) {
        (*reference)->Release();
    }
}

// The receiver is going away on its own thread: what is still on its way to it is released now.
void ReleaseEveryHandedReference(HWND receiver) {
    for (IUnknown* reference : PendingReleases().TakeAll(receiver)) reference->Release();
}

}  // namespace

bool CEventReceiver::Create(INotificationTarget& target) {
    if (!RegisterReceiverClass(&Procedure)) return false;
    m_window.Reset(CreateWindowExA(0, kReceiverClass, kReceiverName, WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
                                   CodeModule(), &target));
    return static_cast<bool>(m_window);
}

bool CEventReceiver::PostRelease(HWND receiver, IUnknown* reference) {
    if (receiver == nullptr || reference == nullptr) return false;
    const uintptr_t key = PendingReleases().Issue(receiver, reference);
    if (PostMessageA(receiver, kReleaseOnClientThread, 0, static_cast<LPARAM>(key))) return true;
    // Not on its way: the caller keeps the reference, unless the receiver took it meanwhile.
    return !PendingReleases().Take(receiver, key);
}

LRESULT CALLBACK CEventReceiver::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        const auto* created = reinterpret_cast<const CREATESTRUCTA*>(lParam);
        SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(created->lpCreateParams));
    } else if (message == WM_NCDESTROY) {
        SetWindowLongPtrA(window, GWLP_USERDATA, 0);
        ReleaseEveryHandedReference(window);
    } else if (message == kReleaseOnClientThread) {
        ReleaseHandedReference(window, lParam);
        return 0;
    } else if (IsNotification(message)) {
        if (auto* target = reinterpret_cast<INotificationTarget*>(GetWindowLongPtrA(window, GWLP_USERDATA))) {
            // Nothing may unwind into the system's message dispatch: the event is lost instead.
            try {
                target->HandleNotification(message, wParam, lParam);
            } catch (...) {
            }
        }
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

bool UnregisterEventReceiverClass() {
    const std::lock_guard<std::mutex> guard(g_classLock);
    if (!g_classRegistered) return true;
    // A class with a window left keeps its registration, and is not registered twice.
    if (UnregisterClassA(kReceiverClass, CodeModule())) g_classRegistered = false;
    return !g_classRegistered;
}
