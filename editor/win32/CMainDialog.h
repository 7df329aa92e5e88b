#pragma once
// The editor's main dialog: the character's name, its animations, New / Load / Save, and
// the animation commands. Enter and Escape do not close it; its close box ends the program.
#include <windows.h>

#include <optional>
#include <string>

#include "CModalDialog.h"
#include "CharacterDiff.h"
#include "CharacterFile.h"
#include "ImportForm.h"
#include "RecoveryCopies.h"
#include "SessionGuard.h"
#include "UndoHistory.h"

class CAnimationDialog;
class CCharacterModel;

class CMainDialog : public CModalDialog {
public:
    // startFile: a character file to open as the dialog starts (Tarvel's command line).
    explicit CMainDialog(CCharacterModel& character, std::optional<std::string> startFile = std::nullopt);

protected:
    bool OnInitDialog() override;
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) override;
    // Enter and Escape would end the program and lose the author's work.
    void OnOk() override {}
    void OnCancel() override {}
    void OnClose() override;
    bool OnShortcut(const MSG& message) override;

private:
    // Posted by the dialog to itself: recovery copies are offered once it shows.
    static constexpr UINT kOfferRecoveryMessage = WM_APP + 1;

    void AddAboutItem();
    void PaintIcon();
    void RefreshAnimationList();
    std::optional<std::string> SelectedAnimation() const;
    void OnNewCharacter();
    void OnLoad();
    void LoadFile(const std::string& path);
    void OnSave();
    void OnNameChanged();
    void OnNewAnimation();
    void OnEditAnimation();
    void OnDeleteAnimation();
    void OnPreview();
    void OnSaveGif();
    // The import dialog, its fields filled from `form`; the import is one step.
    void OnImport(const ImportForm& form = ImportForm());
    // Asks "Save changes to NAME?" when the character changed; true when the caller may go on.
    bool MayDiscardChanges();
    // The animation dialog, run with the session's end knowing of its unsaved edits;
    // `openedName`: the animation it edits, none for a new one.
    INT_PTR RunAnimationDialog(CAnimationDialog& dialog, std::optional<std::string> openedName);
    // The character with the open animation dialog's edits filed in, as a save would store them.
    CCharacterModel AuthorsCharacter() const;
    bool HasWorkToLose() const;
    // Sets or clears the session's block reason after a change.
    void UpdateSessionBlock();
    void KeepRecoveryCopy();
    void OpenRecoveryCopy(const RecoveryEntry& entry);
    // Saves to the character's file, or through the picker when it has none.
    bool SaveCurrent();
    bool SaveThroughPicker();
    bool SaveTo(const std::string& path);
    void ShowError(const std::string& message);
    // The character is now a fresh start: nothing to save, nothing to undo.
    void StartAfresh(std::optional<std::string> path);
    void RecordChange(const std::string& mergeKey = std::string());
    void StepHistory(bool back);

    CCharacterModel& m_character;
    CSavedState m_saved;
    CUndoHistory<CCharacterModel, CCharacterDiff> m_history;
    std::string m_characterName;
    std::optional<std::string> m_startFile;
    CSessionGuard m_session;
    const CAnimationDialog* m_openAnimation = nullptr;
    std::optional<std::string> m_openAnimationName;
    std::optional<std::string> m_recoveredCopy;  // deleted once the character it holds is saved
    HICON m_icon;  // shared resource icon: not destroyed
};
