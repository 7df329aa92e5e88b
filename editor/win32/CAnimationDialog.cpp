#include "CAnimationDialog.h"

#include "EditorResources.h"
#include "FieldText.h"
#include "KeyboardState.h"

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
    m_reserved.Take(Handle(), IDC_FRAME_PLACEHOLDER, m_frameWindow);
    m_frameWindow.Editor().SetAnimation(m_input);
    m_frameWindow.Refresh();
    PushFields();
    ShowWindow(Handle(), SW_SHOWMAXIMIZED);
    return true;
}

bool CAnimationDialog::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) {
    return m_reserved.OnMessage(message, wParam, lParam, result);
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
