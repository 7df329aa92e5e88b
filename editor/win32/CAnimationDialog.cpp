#include "CAnimationDialog.h"

#include "EditorResources.h"
#include "FieldText.h"
#include "KeyboardState.h"
#include "Placeholder.h"
#include "WindowDpi.h"

CAnimationDialog::CAnimationDialog(const CCharacterModel& character)
    : CModalDialog(IDD_ANIMATION), m_frameWindow(character, *this) {
    Fields().Bind(IDC_ANIMATION_NAME, m_animationName);
    Fields().Bind(IDC_SHIFT_X, m_shiftX);
    Fields().Bind(IDC_SHIFT_Y, m_shiftY);
    Fields().Bind(IDC_SOUND, m_sound);
    Commands().OnNotification(IDC_ANIMATION_NAME, EN_CHANGE, [this] { OnNameChanged(); });
    Commands().OnNotification(IDC_SHIFT_X, EN_CHANGE, [this] { OnShiftXChanged(); });
    Commands().OnNotification(IDC_SHIFT_Y, EN_CHANGE, [this] { OnShiftYChanged(); });
}

bool CAnimationDialog::OnInitDialog() {
    m_frameWindow.Create(m_reserved, Handle(), IDC_FRAME_PLACEHOLDER);
    m_reserved = TakePlaceholder(Handle(), IDC_FRAME_PLACEHOLDER);
    m_frameWindow.MoveTo(m_reserved);
    m_dpi = WindowDpi(Handle());
    m_frameWindow.Editor().SetAnimation(m_input);
    m_frameWindow.Refresh();
    PushFields();
    ShowWindow(Handle(), SW_SHOWMAXIMIZED);
    return true;
}

bool CAnimationDialog::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) {
    switch (message) {
        case WM_SIZE:
            m_reserved = GrownToClient(m_reserved, LOWORD(lParam), HIWORD(lParam));
            m_frameWindow.MoveTo(m_reserved);
            result = 0;
            return true;
        case WM_DPICHANGED:
            // The dialog manager applies the suggested rectangle and scales the template.
            m_reserved = ReservedAtDpi(m_reserved, m_dpi, LOWORD(wParam));
            m_dpi = LOWORD(wParam);
            PostMessageA(Handle(), kPlaceReservedMessage, 0, 0);
            return false;
        case kPlaceReservedMessage: {
            RECT client{};
            GetClientRect(Handle(), &client);
            m_reserved = GrownToClient(m_reserved, client.right, client.bottom);
            m_frameWindow.MoveTo(m_reserved);
            return true;
        }
        default:
            return false;
    }
}

bool CAnimationDialog::OnShortcut(const MSG& message) {
    switch (ShortcutOf(message)) {
        case EditorShortcut::Undo:
            m_frameWindow.StepHistory(true);
            return true;
        case EditorShortcut::Redo:
            m_frameWindow.StepHistory(false);
            return true;
        default:
            return m_frameWindow.OnKey(message);
    }
}

void CAnimationDialog::UpdateFrameFields() {
    // An undone rename shows in the field too.
    m_animationName = m_frameWindow.Editor().Animation().name;
    const CFrame* frame = m_frameWindow.Editor().CurrentFrame();
    m_shiftX = frame != nullptr ? FormatDecimal(TruncateToInt(frame->shift.x)) : std::string();
    m_shiftY = frame != nullptr ? FormatDecimal(TruncateToInt(frame->shift.y)) : std::string();
    m_sound = frame != nullptr ? frame->sound : std::string();
    PushFields();
}

void CAnimationDialog::OnNameChanged() {
    PullFields();
    m_frameWindow.Editor().SetName(m_animationName);
}

void CAnimationDialog::OnShiftXChanged() {
    PullFields();
    m_frameWindow.Editor().SetShiftX(m_shiftX);
}

void CAnimationDialog::OnShiftYChanged() {
    PullFields();
    m_frameWindow.Editor().SetShiftY(m_shiftY);
}
