#pragma once
// The animation dialog: the animation's name, the current frame's shift and sound fields,
// and the frame window filling the rest. It edits a copy; the caller stores the result when
// the dialog has closed (in whatever way it closed).
#include <string>

#include "CAnimation.h"
#include "CFrameEditWnd.h"
#include "CModalDialog.h"
#include "CReservedArea.h"
#include "FrameFieldsOwner.h"

class CCharacterModel;

class CAnimationDialog : public CModalDialog, private IFrameFieldsOwner {
public:
    explicit CAnimationDialog(const CCharacterModel& character);

    void SetInput(const CAnimation& animation) { m_input = animation; }
    void SetAnimationName(const std::string& name) { m_animationName = name; }
    // After the run: the "Animation name" field and the edited animation.
    const std::string& AnimationName() const { return m_animationName; }
    const CAnimation& EditedAnimation() const { return m_frameWindow.Editor().Animation(); }

protected:
    bool OnInitDialog() override;
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) override;
    bool OnShortcut(const MSG& message) override;

private:
    void UpdateFrameFields() override;
    void OnNameChanged();
    void OnShiftXChanged();
    void OnShiftYChanged();

    CAnimation m_input;
    CFrameEditWnd m_frameWindow;
    CReservedArea m_reserved;
    std::string m_animationName;
    std::string m_shiftX;
    std::string m_shiftY;
    std::string m_sound;
};
