// The main dialog's part in the end of the session: what counts as work to lose (the open
// animation dialog's edits too), the block reason, the recovery copy and its reopening.
#include "CAnimationDialog.h"
#include "CCharacterModel.h"
#include "CMainDialog.h"
#include "CharacterDocument.h"
#include "RecoveryOffer.h"

INT_PTR CMainDialog::RunAnimationDialog(CAnimationDialog& dialog, std::optional<std::string> openedName) {
    m_openAnimation = &dialog;
    m_openAnimationName = std::move(openedName);
    UpdateSessionBlock();
    const INT_PTR result = dialog.RunModal(Handle());
    m_openAnimation = nullptr;
    m_openAnimationName.reset();
    UpdateSessionBlock();
    return result;
}

CCharacterModel CMainDialog::AuthorsCharacter() const {
    CCharacterModel character = m_character;
    if (m_openAnimation == nullptr) return character;
    const CAnimation& edited = m_openAnimation->EditedAnimation();
    if (m_openAnimationName)
        StoreEditedAnimation(character, *m_openAnimationName, m_openAnimation->AnimationName(), edited);
    else
        StoreNewAnimation(character, m_openAnimation->AnimationName(), edited);
    return character;
}

bool CMainDialog::HasWorkToLose() const {
    return m_openAnimation != nullptr ? m_saved.IsModified(AuthorsCharacter()) : m_saved.IsModified(m_character);
}

// An open animation dialog may hold edits: the reason is set while it is open.
void CMainDialog::UpdateSessionBlock() {
    m_session.DocumentIs(Handle(), m_openAnimation != nullptr || m_saved.IsModified(m_character));
}

void CMainDialog::KeepRecoveryCopy() {
    const std::string folder = TarvelDataFolder();
    const auto& path = m_saved.Path();
    CRecoveryList(folder).Keep(AuthorsCharacter(), path ? std::optional(FullPathOf(*path)) : std::nullopt,
                               RecoveryStamp());
}

// The copy's character, to be saved to the file it was made for (through the picker for one
// never saved); the copy goes once that save succeeded.
void CMainDialog::OpenRecoveryCopy(const RecoveryEntry& entry) {
    const FileOutcome outcome = LoadCharacterFrom(m_character, entry.copy);
    if (outcome.replaced) {
        StartAfresh(std::nullopt);
        // A copy read only in part is not to be saved over its file.
        const bool toItsFile = outcome.succeeded && !entry.document.empty();
        m_saved.MarkRecovered(toItsFile ? std::optional(entry.document) : std::nullopt);
        m_recoveredCopy = entry.copy;
        UpdateSessionBlock();
    }
    m_characterName = m_character.CharacterName();
    RefreshAnimationList();
    if (!outcome.succeeded) ShowError(outcome.message);
}
