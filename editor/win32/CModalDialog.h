#pragma once
// A dialog from a resource template run modally by an object on the caller's stack: its
// messages reach virtual handlers, its WM_COMMAND messages a command router, and its text
// fields are bound to strings of the object. The modal loop is our own, so that what the
// dialog does at initialisation (showing itself maximised) is what the author sees.
#include <windows.h>

#include "BoundTextFields.h"
#include "CommandRouter.h"

class CModalDialog {
public:
    CModalDialog(const CModalDialog&) = delete;
    CModalDialog& operator=(const CModalDialog&) = delete;
    virtual ~CModalDialog() = default;

    // Runs the dialog until it ends; returns the code it ended with (-1 when it could not open).
    INT_PTR RunModal(HWND owner);
    HWND Handle() const { return m_window; }

protected:
    explicit CModalDialog(int templateId) : m_templateId(templateId) {}

    // After the controls exist; true lets the dialog give the focus to its first control.
    virtual bool OnInitDialog() { return true; }
    // Messages other than WM_COMMAND and WM_CLOSE; true when handled, `result` being the answer.
    virtual bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result);
    // A key press or wheel turn for the dialog or one of its controls, before the dialog
    // manager sees it; true when it was a shortcut of the dialog's own, which is then consumed.
    virtual bool OnShortcut(const MSG&) { return false; }
    // Enter, Escape and the close box.
    virtual void OnOk() { End(IDOK); }
    virtual void OnCancel() { End(IDCANCEL); }
    virtual void OnClose() { OnCancel(); }

    // Ends the modal loop once the current message is handled.
    void End(INT_PTR code);
    CCommandRouter& Commands() { return m_commands; }
    CBoundTextFields& Fields() { return m_fields; }
    void PullFields() { m_fields.Pull(m_window); }
    void PushFields() { m_fields.Push(m_window); }

private:
    static INT_PTR CALLBACK DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    INT_PTR Dispatch(UINT message, WPARAM wParam, LPARAM lParam);
    void OnCommandMessage(int id, int code);
    void RunLoop();

    int m_templateId;
    HWND m_window = nullptr;
    bool m_ended = false;
    INT_PTR m_result = 0;
    CCommandRouter m_commands;
    CBoundTextFields m_fields;
};
