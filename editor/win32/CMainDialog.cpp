#include "CMainDialog.h"

#include "AnimationListRefresh.h"
#include "CAboutDialog.h"
#include "CAnimationDialog.h"
#include "CCharacterModel.h"
#include "CFilePicker.h"
#include "CImportDialog.h"
#include "CPreviewDialog.h"
#include "GifSaving.h"
#include "CharacterDocument.h"
#include "ControlText.h"
#include "DroppedFiles.h"
#include "EditorResources.h"
#include "KeyboardState.h"
#include "RecoveryOffer.h"

CMainDialog::CMainDialog(CCharacterModel& character, std::optional<std::string> startFile)
    : CModalDialog(IDD_MAIN),
      m_character(character),
      m_startFile(std::move(startFile)),
      m_icon(LoadIconA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDR_MAINFRAME))) {
    StartAfresh(std::nullopt);
    Fields().Bind(IDC_CHARACTER_NAME, m_characterName);
    Commands().OnCommand(IDC_NEW_CHARACTER, [this] { OnNewCharacter(); });
    Commands().OnCommand(IDC_LOAD, [this] { OnLoad(); });
    Commands().OnCommand(IDC_SAVE, [this] { OnSave(); });
    Commands().OnNotification(IDC_CHARACTER_NAME, EN_CHANGE, [this] { OnNameChanged(); });
    Commands().OnCommand(IDC_NEW_ANIMATION, [this] { OnNewAnimation(); });
    Commands().OnCommand(IDC_EDIT_ANIMATION, [this] { OnEditAnimation(); });
    Commands().OnCommand(IDC_DELETE_ANIMATION, [this] { OnDeleteAnimation(); });
    Commands().OnCommand(IDC_PREVIEW, [this] { OnPreview(); });
    Commands().OnCommand(IDC_IMPORT, [this] { OnImport(); });
    Commands().OnCommand(IDC_SAVE_GIF, [this] { OnSaveGif(); });
}

bool CMainDialog::OnInitDialog() {
    AddAboutItem();
    DragAcceptFiles(Handle(), TRUE);  // a GIF (or other pictures) dropped here is imported
    SendMessageA(Handle(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(m_icon));
    SendMessageA(Handle(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(m_icon));
    PushFields();
    if (m_startFile) LoadFile(*m_startFile);
    PostMessageA(Handle(), kOfferRecoveryMessage, 0, 0);  // once the dialog shows
    return true;
}

void CMainDialog::AddAboutItem() {
    char text[256] = {};
    LoadStringA(GetModuleHandleA(nullptr), IDS_ABOUTBOX, text, sizeof text);
    HMENU systemMenu = GetSystemMenu(Handle(), FALSE);  // belongs to the window
    if (systemMenu == nullptr || text[0] == '\0') return;
    AppendMenuA(systemMenu, MF_SEPARATOR, 0, nullptr);
    AppendMenuA(systemMenu, MF_STRING, IDM_ABOUTBOX, text);
}

bool CMainDialog::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) {
    if (m_session.OnMessage(
            message, wParam, lParam, [this] { return HasWorkToLose(); }, [this] { KeepRecoveryCopy(); }, result))
        return true;
    switch (message) {
        case kOfferRecoveryMessage:
            if (const auto recovered = OfferRecoveryCopy(Handle(), m_startFile)) OpenRecoveryCopy(*recovered);
            return true;
        case WM_SYSCOMMAND:
            if ((wParam & 0xFFF0) != IDM_ABOUTBOX) return false;
            CAboutDialog().RunModal(Handle());
            return true;
        case WM_PAINT:
            if (!IsIconic(Handle())) return false;
            PaintIcon();
            return true;
        case WM_DROPFILES:
            OnImport(FormForDroppedFiles(TakeDroppedFiles(reinterpret_cast<HDROP>(wParam))));
            return true;
        case WM_QUERYDRAGICON:
            result = reinterpret_cast<INT_PTR>(m_icon);
            return true;
        default:
            return false;
    }
}

void CMainDialog::PaintIcon() {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(Handle(), &paint);
    SendMessageA(Handle(), WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
    RECT client{};
    GetClientRect(Handle(), &client);
    const int x = (client.right - client.left - GetSystemMetrics(SM_CXICON) + 1) / 2;
    const int y = (client.bottom - client.top - GetSystemMetrics(SM_CYICON) + 1) / 2;
    DrawIcon(dc, x, y, m_icon);
    EndPaint(Handle(), &paint);
}

void CMainDialog::RefreshAnimationList() {
    HWND list = GetDlgItem(Handle(), IDC_ANIMATION_LIST);
    const LRESULT selected = SendMessageA(list, LB_GETCURSEL, 0, 0);
    SendMessageA(list, LB_RESETCONTENT, 0, 0);
    for (const std::string& name : AnimationNames(m_character))
        SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name.c_str()));
    const LRESULT count = SendMessageA(list, LB_GETCOUNT, 0, 0);
    const auto previous = selected == LB_ERR ? std::nullopt : std::optional<size_t>(static_cast<size_t>(selected));
    const auto selection = RefreshedSelection(previous, count > 0 ? static_cast<size_t>(count) : 0);
    SendMessageA(list, LB_SETCURSEL, selection ? static_cast<WPARAM>(*selection) : static_cast<WPARAM>(-1), 0);
    m_characterName = m_character.CharacterName();
    PushFields();
}

std::optional<std::string> CMainDialog::SelectedAnimation() const {
    HWND list = GetDlgItem(Handle(), IDC_ANIMATION_LIST);
    const LRESULT selected = SendMessageA(list, LB_GETCURSEL, 0, 0);
    if (selected == LB_ERR) return std::nullopt;
    return ListBoxItemText(list, static_cast<int>(selected));
}

void CMainDialog::OnClose() {
    if (MayDiscardChanges()) End(IDCANCEL);
}

void CMainDialog::OnNewCharacter() {
    if (!MayDiscardChanges()) return;
    ClearCharacter(m_character);
    StartAfresh(std::nullopt);
    RefreshAnimationList();
}

void CMainDialog::OnLoad() {
    if (!MayDiscardChanges()) return;
    CFilePicker picker(kLoadCharacterPicker);
    // The character is cleared only once a file was chosen: a cancelled picker keeps it.
    if (picker.Run(Handle())) LoadFile(picker.FullPath());
    PushFields();
}

void CMainDialog::LoadFile(const std::string& path) {
    const FileOutcome outcome = LoadCharacterFrom(m_character, path);
    // A file read only in part is no file to save back to: that would cut it short.
    if (outcome.replaced) StartAfresh(outcome.succeeded ? path : std::optional<std::string>());
    m_characterName = m_character.CharacterName();
    RefreshAnimationList();
    if (!outcome.succeeded) ShowError(outcome.message);
}

void CMainDialog::OnSave() { SaveThroughPicker(); }

void CMainDialog::StartAfresh(std::optional<std::string> path) {
    m_saved.MarkSaved(m_character, std::move(path));
    m_history.Reset(m_character);
    m_recoveredCopy.reset();
    UpdateSessionBlock();
}

void CMainDialog::RecordChange(const std::string& mergeKey) {
    m_history.Record(m_character, mergeKey);
    UpdateSessionBlock();
}

void CMainDialog::StepHistory(bool back) {
    if (back ? m_history.Undo(m_character) : m_history.Redo(m_character)) RefreshAnimationList();
    UpdateSessionBlock();
}

bool CMainDialog::OnShortcut(const MSG& message) {
    switch (ShortcutOf(message)) {
        case EditorShortcut::Save:
            SaveCurrent();
            return true;
        case EditorShortcut::Open:
            OnLoad();
            return true;
        case EditorShortcut::New:
            OnNewCharacter();
            return true;
        case EditorShortcut::Undo:
            StepHistory(true);
            return true;
        case EditorShortcut::Redo:
            StepHistory(false);
            return true;
        case EditorShortcut::Import:
            OnImport();
            return true;
        case EditorShortcut::SaveGif:
            OnSaveGif();
            return true;
        default:
            return false;
    }
}

bool CMainDialog::MayDiscardChanges() {
    if (!m_saved.IsModified(m_character)) return true;
    const std::string caption = WindowText(Handle());
    const std::string question = m_saved.SaveChangesQuestion(m_character);
    switch (MessageBoxA(Handle(), question.c_str(), caption.c_str(), MB_YESNOCANCEL | MB_ICONWARNING)) {
        case IDYES:
            return SaveCurrent();
        case IDNO:
            return true;
        default:
            return false;
    }
}

bool CMainDialog::SaveCurrent() {
    if (const auto& path = m_saved.Path()) return SaveTo(*path);
    return SaveThroughPicker();
}

bool CMainDialog::SaveThroughPicker() {
    CFilePicker picker(kSaveCharacterPicker);
    return picker.Run(Handle()) && SaveTo(picker.FullPath());
}

bool CMainDialog::SaveTo(const std::string& path) {
    const FileOutcome outcome = SaveCharacterTo(m_character, path);
    if (!outcome.succeeded) {
        ShowError(outcome.message);
        return false;
    }
    m_saved.MarkSaved(m_character, path);
    if (m_recoveredCopy) DeleteFileA(m_recoveredCopy->c_str());  // its work is in the file now
    m_recoveredCopy.reset();
    UpdateSessionBlock();
    return true;
}

void CMainDialog::ShowError(const std::string& message) {
    MessageBoxA(Handle(), message.c_str(), "Error", MB_OK | MB_ICONERROR);
}

void CMainDialog::OnNameChanged() {
    PullFields();
    m_character.SetCharacterName(m_characterName);
    RecordChange("name");
}

void CMainDialog::OnNewAnimation() {
    CAnimationDialog dialog(m_character);
    dialog.SetInput(NewAnimationTemplate());
    // However it closed, its contents are taken; a dialog that could not open has none.
    if (RunAnimationDialog(dialog, std::nullopt) == -1) return;
    StoreNewAnimation(m_character, dialog.AnimationName(), dialog.EditedAnimation());
    RecordChange();
    RefreshAnimationList();
}

void CMainDialog::OnEditAnimation() {
    const auto name = SelectedAnimation();
    if (!name) return;
    const CAnimation* animation = m_character.FindAnimation(*name);
    if (animation == nullptr) return;
    CAnimationDialog dialog(m_character);
    dialog.SetInput(*animation);
    dialog.SetAnimationName(*name);
    if (RunAnimationDialog(dialog, *name) == -1) return;  // the animation stays as it was
    StoreEditedAnimation(m_character, *name, dialog.AnimationName(), dialog.EditedAnimation());
    RecordChange();
    RefreshAnimationList();
}

void CMainDialog::OnDeleteAnimation() {
    const auto name = SelectedAnimation();
    if (!name) return;
    DeleteAnimation(m_character, *name);
    RecordChange();
    RefreshAnimationList();
}

void CMainDialog::OnPreview() {
    const auto name = SelectedAnimation();
    if (!name || m_character.FindAnimation(*name) == nullptr) return;
    CPreviewDialog dialog(m_character);
    dialog.SetAnimationName(*name);
    dialog.RunModal(Handle());
}

void CMainDialog::OnSaveGif() {
    if (const auto name = SelectedAnimation()) SaveAnimationThroughPicker(Handle(), m_character, *name);
}

void CMainDialog::OnImport(const ImportForm& form) {
    CImportDialog dialog(form);
    if (dialog.RunModal(Handle()) != IDOK || !dialog.Request()) return;
    const ImportRequest& request = *dialog.Request();
    if (m_character.FindAnimation(request.animationName) != nullptr) {
        const std::string question = "Replace the animation \"" + request.animationName + "\"?";
        if (MessageBoxA(Handle(), question.c_str(), "Import Animation", MB_YESNO | MB_ICONQUESTION) != IDYES) return;
    }
    const ImportOutcome outcome = ImportIntoCharacter(m_character, request);
    if (!outcome.imported) {
        ShowError(outcome.error);
        return;
    }
    RecordChange();
    RefreshAnimationList();
    HWND list = GetDlgItem(Handle(), IDC_ANIMATION_LIST);
    const LRESULT item = SendMessageA(list, LB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                      reinterpret_cast<LPARAM>(request.animationName.c_str()));
    if (item != LB_ERR) SendMessageA(list, LB_SETCURSEL, static_cast<WPARAM>(item), 0);
}
