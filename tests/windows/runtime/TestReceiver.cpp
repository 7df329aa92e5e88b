#include "TestReceiver.h"

#include <algorithm>

#include "CharacterMessages.h"

namespace {
const char* const kReceiverClass = "VimroTestReceiver";

void RegisterReceiverClass(WNDPROC procedure) {
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.lpszClassName = kReceiverClass;
    RegisterClassA(&windowClass);  // fails harmlessly once registered
}
}  // namespace

TestReceiver::TestReceiver() {
    RegisterReceiverClass(&Procedure);
    m_window.Reset(CreateWindowExA(0, kReceiverClass, "TestReceiver", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
                                   GetModuleHandleA(nullptr), this));
}

LRESULT CALLBACK TestReceiver::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        SetWindowLongPtrA(window, GWLP_USERDATA,
                          reinterpret_cast<LONG_PTR>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams));
    }
    auto* self = reinterpret_cast<TestReceiver*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    if (self != nullptr && message >= CRN_MOVE && message <= CRN_LBUTTONUP) {
        self->m_received.push_back(Notification{message, wParam, lParam, static_cast<DWORD>(GetMessageTime())});
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

std::vector<Notification> TestReceiver::Of(UINT message) const {
    std::vector<Notification> found;
    std::copy_if(m_received.begin(), m_received.end(), std::back_inserter(found),
                 [message](const Notification& n) { return n.message == message; });
    return found;
}

bool TestReceiver::Has(UINT message, WPARAM wParam) const { return IndexOf(message, wParam) >= 0; }

int TestReceiver::IndexOf(UINT message, WPARAM wParam) const {
    for (size_t i = 0; i < m_received.size(); ++i) {
        if (m_received[i].message == message && m_received[i].wParam == wParam) return static_cast<int>(i);
    }
    return -1;
}

bool PumpUntil(const std::function<bool()>& done, DWORD timeoutMs) {
    const DWORD start = GetTickCount();
    for (;;) {
        MSG message;
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&message);
        if (done()) return true;
        if (GetTickCount() - start >= timeoutMs) return false;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    }
}

void PumpFor(DWORD milliseconds) {
    PumpUntil([] { return false; }, milliseconds);
}
