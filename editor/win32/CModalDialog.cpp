#include "CModalDialog.h"

namespace {

// Messages whose answer a dialog procedure returns itself instead of in DWLP_MSGRESULT.
bool AnswersDirectly(UINT message) {
    switch (message) {
        case WM_INITDIALOG:
        case WM_QUERYDRAGICON:
        case WM_CTLCOLORBTN:
        case WM_CTLCOLORDLG:
        case WM_CTLCOLOREDIT:
        case WM_CTLCOLORLISTBOX:
        case WM_CTLCOLORSCROLLBAR:
        case WM_CTLCOLORSTATIC:
        case WM_COMPAREITEM:
        case WM_VKEYTOITEM:
        case WM_CHARTOITEM:
            return true;
        default:
            return false;
    }
}

// Keys and wheel turns that reach the dialog or one of its controls.
bool IsShortcutCandidate(const MSG& message, HWND dialog) {
    if (message.message != WM_KEYDOWN && message.message != WM_MOUSEWHEEL) return false;
    return message.hwnd == dialog || IsChild(dialog, message.hwnd);
}

}  // namespace

INT_PTR CModalDialog::RunModal(HWND owner) {
    m_ended = false;
    m_result = 0;
    HWND window = CreateDialogParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(m_templateId), owner,
                                     &CModalDialog::DialogProc, reinterpret_cast<LPARAM>(this));
    if (window == nullptr) return -1;
    const bool disableOwner = owner != nullptr && IsWindowEnabled(owner);
    if (disableOwner) EnableWindow(owner, FALSE);
    if (!m_ended && !IsWindowVisible(window)) ShowWindow(window, SW_SHOWNORMAL);
    RunLoop();
    // The owner comes back before the dialog goes, so that it is activated again.
    if (disableOwner) EnableWindow(owner, TRUE);
    DestroyWindow(window);
    return m_result;
}

void CModalDialog::End(INT_PTR code) {
    m_result = code;
    m_ended = true;
}

void CModalDialog::RunLoop() {
    MSG message;
    while (!m_ended && m_window != nullptr) {
        const BOOL got = GetMessageA(&message, nullptr, 0, 0);
        if (got == -1) break;
        if (got == 0) {
            PostQuitMessage(static_cast<int>(message.wParam));  // for the loop outside this one
            break;
        }
        if (IsShortcutCandidate(message, m_window) && OnShortcut(message)) continue;
        if (!IsDialogMessageA(m_window, &message)) {
            TranslateMessage(&message);
            DispatchMessageA(&message);
        }
    }
}

bool CModalDialog::OnMessage(UINT, WPARAM, LPARAM, INT_PTR&) { return false; }

INT_PTR CALLBACK CModalDialog::DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        SetWindowLongPtrA(window, DWLP_USER, lParam);
        reinterpret_cast<CModalDialog*>(lParam)->m_window = window;
    }
    auto* dialog = reinterpret_cast<CModalDialog*>(GetWindowLongPtrA(window, DWLP_USER));
    if (dialog == nullptr) return FALSE;  // messages before WM_INITDIALOG
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrA(window, DWLP_USER, 0);
        dialog->m_window = nullptr;
        return FALSE;
    }
    // Nothing may unwind into the system's message dispatch: the message goes unhandled.
    try {
        return dialog->Dispatch(message, wParam, lParam);
    } catch (...) {
        return FALSE;
    }
}

INT_PTR CModalDialog::Dispatch(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_INITDIALOG:
            return OnInitDialog() ? TRUE : FALSE;
        case WM_COMMAND:
            OnCommandMessage(LOWORD(wParam), HIWORD(wParam));
            return TRUE;
        case WM_CLOSE:
            OnClose();
            return TRUE;
        default:
            break;
    }
    INT_PTR result = 0;
    if (!OnMessage(message, wParam, lParam, result)) return FALSE;
    if (AnswersDirectly(message)) return result;
    SetWindowLongPtrA(m_window, DWLP_MSGRESULT, result);
    return TRUE;
}

void CModalDialog::OnCommandMessage(int id, int code) {
    if (m_fields.IsPushing() && (code == EN_CHANGE || code == EN_UPDATE)) return;
    if (m_commands.Route(id, code)) return;
    if (code != BN_CLICKED) return;
    if (id == IDOK) OnOk();
    if (id == IDCANCEL) OnCancel();
}
