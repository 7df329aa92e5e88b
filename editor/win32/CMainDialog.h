#pragma once
// The editor's main dialog: the character's name, its animations, New / Load / Save, and
// the animation commands. Enter and Escape do not close it; its close box ends the program.
#include <windows.h>

#include <optional>
#include <string>

#include "CModalDialog.h"

class CCharacterModel;

class CMainDialog : public CModalDialog {
public:
    explicit CMainDialog(CCharacterModel& character);

protected:
    bool OnInitDialog() override;
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) override;
    // Enter and Escape would end the program and lose the author's work.
    void OnOk() override {}
    void OnCancel() override {}
    void OnClose() override { End(IDCANCEL); }

private:
    void AddAboutItem();
    void PaintIcon();
    void RefreshAnimationList();
    std::optional<std::string> SelectedAnimation() const;
    void OnNewCharacter();
    void OnLoad();
    void OnSave();
    void OnNameChanged();
    void OnNewAnimation();
    void OnEditAnimation();
    void OnDeleteAnimation();
    void OnPreview();

    CCharacterModel& m_character;
    std::string m_characterName;
    HICON m_icon;  // shared resource icon: not destroyed
};
