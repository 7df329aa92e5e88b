#include "CFrameEditWnd.h"

#include <windowsx.h>

#include <cstdint>

#include "BlendedPicture.h"
#include "CFilePicker.h"
#include "ChildControls.h"
#include "ClipboardFrames.h"
#include "CNameDialog.h"
#include "ControlText.h"
#include "DisplayTimeField.h"
#include "DroppedFiles.h"
#include "FramePaste.h"
#include "EditorResources.h"
#include "KeyboardState.h"
#include "PointMarks.h"
#include "PopupMenus.h"
#include "WindowDpi.h"
#include "ZoomedPicture.h"
#include "win32/DibGdi.h"

namespace {

// One display-time field state for the whole program, like the field's rules describe.
CDisplayTimeField& ProgramDisplayTimeField() {
    static CDisplayTimeField field;
    return field;
}

}  // namespace

CFrameEditWnd::CFrameEditWnd(const CCharacterModel& character, IFrameFieldsOwner& owner)
    : m_character(character), m_owner(owner) {
    RouteCommands();
}

void CFrameEditWnd::RouteCommands() {
    m_commands.OnNotification(IDC_FRAME_LIST, LBN_SELCHANGE, [this] { OnFrameSelected(); });
    m_commands.OnNotification(IDC_DISPLAY_TIME, EN_UPDATE, [this] { OnDisplayTimeUpdate(); });
    m_commands.OnCommand(ID_FRAME_INSERT_NEW, [this] { OnInsertNew(); });
    m_commands.OnCommand(ID_FRAME_DELETE, [this] { OnDeleteFrame(); });
    m_commands.OnCommand(ID_FRAME_DUPLICATE, [this] { OnDuplicateFrame(); });
    m_commands.OnCommand(ID_FRAME_MOVE_EARLIER, [this] { OnMoveFrame(FrameMove::Earlier); });
    m_commands.OnCommand(ID_FRAME_MOVE_LATER, [this] { OnMoveFrame(FrameMove::Later); });
    m_commands.OnCommand(ID_FRAME_OPEN_IMAGE, [this] { OnOpenImage(); });
    m_commands.OnCommand(ID_ORIGIN_CREATE, [this] { OnCreateOrigin(); });
    m_commands.OnCommand(ID_FRAME_INSERT_SOUND, [this] { OnInsertSound(); });
    m_commands.OnCommand(ID_FRAME_DROP_SOUND, [this] { OnDropSound(); });
}

bool CFrameEditWnd::Create(const RECT& rect, HWND parent, int) {
    if (!CreateChildWindow("tmp3", rect, parent)) return false;
    m_dpi = WindowDpi(Handle());
    m_editor.SetStartingZoom(StartingZoomForDpi(m_dpi));
    CreateChildren();
    DragAcceptFiles(Handle(), TRUE);  // pictures dropped from Explorer become frames
    SetWindowTextString(m_displayTime, "0");
    const int width = rect.right - rect.left;
    const int height = rect.bottom - rect.top;
    Layout(width, height);
    m_buffer.Make(width, height);
    return true;
}

void CFrameEditWnd::CreateChildren() {
    // Not sorted: "Frame %3d" sorts out of index order from frame 1000 on, and an item's
    // position must be its frame's index.
    m_frameList = CreateChildControl(Handle(), "LISTBOX",
                                     WS_BORDER | WS_VSCROLL | WS_TABSTOP | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT,
                                     IDC_FRAME_LIST);
    m_displayTime = CreateChildControl(Handle(), "EDIT", WS_BORDER | WS_TABSTOP | ES_LEFT, IDC_DISPLAY_TIME);
    m_sound = CreateChildControl(Handle(), "EDIT", WS_BORDER | WS_TABSTOP | ES_LEFT, IDC_FRAME_SOUND);
}

void CFrameEditWnd::Layout(int cx, int cy) {
    const ControlColumn column = LayoutControlColumn(cx, cy, m_dpi);
    Place(m_frameList, column.frameList);
    Place(m_displayTime, column.displayTime);
    Place(m_sound, column.sound);
}

void CFrameEditWnd::Refresh() {
    RefreshFrameList();
    RewriteDisplayTime();
    const CFrame* frame = m_editor.CurrentFrame();
    SetWindowTextString(m_sound, frame != nullptr ? frame->sound : std::string());
    m_owner.UpdateFrameFields();
    Repaint();
}

void CFrameEditWnd::RefreshFrameList() {
    const LRESULT top = SendMessageA(m_frameList, LB_GETTOPINDEX, 0, 0);
    SendMessageA(m_frameList, LB_RESETCONTENT, 0, 0);
    for (const std::string& item : m_editor.FrameListItems())
        SendMessageA(m_frameList, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()));
    if (!m_editor.ClampCurrentIndex()) return;
    SendMessageA(m_frameList, LB_SETTOPINDEX, static_cast<WPARAM>(top), 0);
    SendMessageA(m_frameList, LB_SETCURSEL, m_editor.CurrentIndex(), 0);
}

void CFrameEditWnd::RewriteDisplayTime() {
    const CFrame* frame = m_editor.CurrentFrame();
    CDisplayTimeField& field = ProgramDisplayTimeField();
    field.BeginEditorRewrite();
    SetWindowTextString(m_displayTime, frame != nullptr ? DisplayTimeText(frame->displayTime) : "0");
    field.EndEditorRewrite();
}

void CFrameEditWnd::Draw(HDC dc) {
    m_buffer.FillWhite();
    if (ShowsOpacity()) DrawCheckerboard(m_buffer.Dc(), m_buffer.Width(), m_buffer.Height());
    DrawFrame(m_buffer.Dc());
    m_buffer.CopyTo(dc);
}

void CFrameEditWnd::DrawFrame(HDC dc) const {
    const CFrame* frame = m_editor.CurrentFrame();
    if (frame == nullptr) return;
    const SIZE client = ClientSize(Handle());
    const int zoom = m_editor.Zoom();
    const bool onion = m_editor.OnionFrame(OnionSide::Previous) != nullptr ||
                       m_editor.OnionFrame(OnionSide::Next) != nullptr;
    if (onion) DrawOnionSkin(dc, *frame, client, zoom);
    if (frame->image.IsEmpty()) return;
    const PicturePosition at = CentredPicture(*frame, client.cx, client.cy, zoom);
    const GdiPalette palette = CreatePictureGdiPalette(frame->image);
    if (onion || frame->image.HasOpacity())
        DrawKeyedPicture(dc, frame->image, at, zoom);  // its key colour shows the neighbours
    else
        DrawZoomedPicture(dc, frame->image, at.x, at.y, zoom, palette.Get());
    const int previousMode = SetBkMode(dc, TRANSPARENT);
    for (const PointMark& mark : PointMarks(*frame, m_character.CharacterName(), client.cx, client.cy, zoom)) {
        Ellipse(dc, mark.box.left, mark.box.top, mark.box.right, mark.box.bottom);
        TextOutA(dc, mark.labelX, mark.labelY, mark.name.c_str(), static_cast<int>(mark.name.size()));
    }
    SetBkMode(dc, previousMode);
}

void CFrameEditWnd::DrawOnionSkin(HDC dc, const CFrame& frame, SIZE client, int zoom) const {
    for (const OnionSide side : {OnionSide::Previous, OnionSide::Next}) {
        const CFrame* neighbour = m_editor.OnionFrame(side);
        if (neighbour == nullptr || neighbour->image.IsEmpty()) continue;
        const PicturePosition at = OnionPosition(frame, *neighbour, side, client.cx, client.cy, zoom);
        DrawKeyedPicture(dc, FadedPicture(neighbour->image), at, zoom);
    }
}

// Pictures with opacity are shown over a checkerboard: the current one, or an onion neighbour.
bool CFrameEditWnd::ShowsOpacity() const {
    const CFrame* frame = m_editor.CurrentFrame();
    if (frame == nullptr) return false;
    bool opacity = frame->image.HasOpacity();
    for (const OnionSide side : {OnionSide::Previous, OnionSide::Next}) {
        const CFrame* neighbour = m_editor.OnionFrame(side);
        opacity = opacity || (neighbour != nullptr && neighbour->image.HasOpacity());
    }
    return opacity;
}

// The picture at `zoom` times its size with its key-coloured pixels left out, or blended by
// its opacity.
void CFrameEditWnd::DrawKeyedPicture(HDC dc, const CBryDIB& image, PicturePosition at, int zoom) const {
    if (image.HasOpacity()) {
        DrawBlendedPicture(dc, image, at.x, at.y, zoom);
        return;
    }
    COffscreenBuffer picture;
    picture.Make(image.DrawnWidth(), image.DrawnRows());
    if (picture.Dc() == nullptr) return;
    const GdiPalette palette = CreatePictureGdiPalette(image);
    DrawPicture(picture.Dc(), image, 0, 0, palette.Get());
    TransparentBlt(dc, at.x, at.y, picture.Width() * zoom, picture.Height() * zoom, picture.Dc(), 0, 0,
                   picture.Width(), picture.Height(), RGB(175, 175, 175));
}

// The frame commands and onion-skin toggles of the keys; true when the shortcut was one.
bool CFrameEditWnd::OnFrameShortcut(EditorShortcut shortcut) {
    switch (shortcut) {
        case EditorShortcut::DuplicateFrame: OnDuplicateFrame(); return true;
        case EditorShortcut::MoveFrameEarlier: OnMoveFrame(FrameMove::Earlier); return true;
        case EditorShortcut::MoveFrameLater: OnMoveFrame(FrameMove::Later); return true;
        case EditorShortcut::OnionPrevious: m_editor.ToggleOnion(OnionSide::Previous); break;
        case EditorShortcut::OnionNext: m_editor.ToggleOnion(OnionSide::Next); break;
        default: return false;
    }
    Repaint();
    return true;
}

// Copy and paste of frames while the picture area or the frame list has the focus; in the
// text fields the keys stay theirs. A picture from another program pastes as a new frame with
// the current frame's time, anchor and shift.
bool CFrameEditWnd::OnClipboardShortcut(EditorShortcut shortcut, HWND target) {
    if (target != Handle() && target != m_frameList) return false;
    bool changed = false;
    switch (shortcut) {
        case EditorShortcut::Copy:
            if (const CFrame* frame = m_editor.CurrentFrame()) PutFramesOnClipboard(Handle(), {*frame});
            return true;
        case EditorShortcut::Paste:
            changed = PasteFramesOrPicture(Handle(), m_editor);
            break;
        case EditorShortcut::PastePicture:
            changed = PastePictureIntoFrame(Handle(), m_editor);
            break;
        default:
            return false;
    }
    if (changed) Refresh();
    return true;
}

// True when the shortcut is a zoom, whether or not the zoom was at its limit already.
bool CFrameEditWnd::OnZoom(EditorShortcut shortcut) {
    bool changed = false;
    switch (shortcut) {
        case EditorShortcut::ZoomIn: changed = m_editor.ZoomIn(); break;
        case EditorShortcut::ZoomOut: changed = m_editor.ZoomOut(); break;
        case EditorShortcut::ZoomReset: changed = m_editor.ResetZoom(); break;
        default: return false;
    }
    if (changed) Repaint();
    return true;
}

LRESULT CFrameEditWnd::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_COMMAND:
            if (m_commands.Route(LOWORD(wParam), HIWORD(wParam))) return 0;
            break;
        case WM_SIZE: {
            const LRESULT result = CDrawnChildWnd::OnMessage(message, wParam, lParam);
            OnSize(LOWORD(lParam), HIWORD(lParam));
            return result;
        }
        case WM_LBUTTONDOWN:
            OnLeftPress(lParam);
            break;
        case WM_MOUSEMOVE:
            OnMouseMove(lParam);
            break;
        case WM_LBUTTONUP:
            OnLeftRelease();
            break;
        case WM_CAPTURECHANGED:
            m_editor.Release();  // capture taken away: the drag is over
            break;
        case WM_RBUTTONUP:
            ShowFramePopup(Handle(), FramePopup::Origins);
            return 0;
        case WM_DROPFILES:
            OnDropPictures(TakeDroppedFiles(reinterpret_cast<HDROP>(wParam)));
            return 0;
        case WM_DPICHANGED_AFTERPARENT:
            OnDpiChanged();
            return 0;
        default:
            break;
    }
    return CDrawnChildWnd::OnMessage(message, wParam, lParam);
}

// The dialog moved to a monitor of another DPI (or the monitor's scale changed) and has its
// font at the new size: the controls take it, the column and the zoom follow the scale.
void CFrameEditWnd::OnDpiChanged() {
    const UINT dpi = WindowDpi(Handle());
    if (dpi == m_dpi) return;
    m_editor.FollowDpi(m_dpi, dpi);
    m_dpi = dpi;
    for (HWND control : {m_frameList, m_displayTime, m_sound}) UseDialogFont(control, true);
    const SIZE client = ClientSize(Handle());
    Layout(client.cx, client.cy);
    Repaint();
}

void CFrameEditWnd::OnSize(int cx, int cy) {
    if (!m_buffer.HasSize(cx, cy)) m_buffer.Make(cx, cy);
    Layout(cx, cy);
}

void CFrameEditWnd::StepHistory(bool back) {
    if (back ? m_editor.Undo() : m_editor.Redo()) Refresh();
}

bool CFrameEditWnd::OnKey(const MSG& message) {
    if (message.message == WM_MOUSEWHEEL) {
        if ((GET_KEYSTATE_WPARAM(message.wParam) & MK_CONTROL) == 0) return false;
        if (m_editor.ZoomByWheel(GET_WHEEL_DELTA_WPARAM(message.wParam))) Repaint();
        return true;
    }
    const EditorShortcut shortcut = ShortcutOf(message);
    if (OnZoom(shortcut) || OnFrameShortcut(shortcut) || OnClipboardShortcut(shortcut, message.hwnd)) return true;
    if (message.message != WM_KEYDOWN || message.hwnd != Handle()) return false;
    const auto nudge = NudgeForKey(static_cast<int>(message.wParam), ModifiersNow());
    if (!nudge) return false;
    m_editor.Nudge(nudge->x, nudge->y, m_character.CharacterName());
    Repaint();
    return true;
}

void CFrameEditWnd::OnLeftPress(LPARAM point) {
    SetFocus(Handle());  // for the arrow keys
    const SIZE client = ClientSize(Handle());
    const auto x = static_cast<float>(GET_X_LPARAM(point));
    const auto y = static_cast<float>(GET_Y_LPARAM(point));
    // With the mouse captured, a release outside the window still ends the drag.
    if (m_editor.Press(x, y, client.cx, client.cy, m_character.CharacterName())) SetCapture(Handle());
}

void CFrameEditWnd::OnMouseMove(LPARAM point) {
    const auto x = static_cast<float>(GET_X_LPARAM(point));
    const auto y = static_cast<float>(GET_Y_LPARAM(point));
    if (m_editor.MoveTo(x, y, m_character.CharacterName())) Repaint();
}

void CFrameEditWnd::OnLeftRelease() {
    m_editor.Release();
    if (GetCapture() == Handle()) ReleaseCapture();
}

void CFrameEditWnd::OnFrameSelected() {
    const LRESULT selected = SendMessageA(m_frameList, LB_GETCURSEL, 0, 0);
    const size_t index = selected == LB_ERR ? SIZE_MAX : static_cast<size_t>(selected);
    const bool sameFrame = m_editor.SelectFrame(index);
    if (m_editor.CurrentFrame() != nullptr) RewriteDisplayTime();
    if (sameFrame)
        ShowFramePopup(Handle(), FramePopup::Frame);
    else
        Refresh();
}

void CFrameEditWnd::OnDisplayTimeUpdate() {
    CDisplayTimeField& field = ProgramDisplayTimeField();
    const bool typed = !field.IsEditorRewrite();
    const auto rewrite = field.OnTextUpdate(WindowText(m_displayTime), m_editor.CurrentFrame());
    if (typed) m_editor.DisplayTimeTyped();
    if (!rewrite) return;
    SetWindowTextString(m_displayTime, rewrite->text);
    SendMessageA(m_displayTime, EM_SETSEL, rewrite->caret, rewrite->caret);
    SendMessageA(m_displayTime, EM_SCROLLCARET, 0, 0);
}

void CFrameEditWnd::OnInsertNew() {
    m_editor.InsertNewFrame();
    Refresh();
}

void CFrameEditWnd::OnDeleteFrame() {
    switch (m_editor.DeleteCurrentFrame()) {
        case DeleteOutcome::Deleted:
            Refresh();
            break;
        case DeleteOutcome::RefusedLastFrame:
            MessageBoxA(Handle(), "Real ... did not delete last frame!", "You are not ...!", MB_OK);
            break;
        case DeleteOutcome::NoSuchFrame:
            break;
    }
}

void CFrameEditWnd::OnDuplicateFrame() {
    if (m_editor.DuplicateCurrentFrame()) Refresh();
}

void CFrameEditWnd::OnMoveFrame(FrameMove direction) {
    if (m_editor.MoveCurrentFrame(direction)) Refresh();
}

void CFrameEditWnd::OnDropPictures(const std::vector<std::string>& paths) {
    const std::string why = m_editor.InsertPictureFiles(paths);
    if (why.empty()) {
        Refresh();
        return;
    }
    MessageBoxA(ActiveEditorWindow(Handle()), why.c_str(), "Error", MB_OK | MB_ICONERROR);
}

void CFrameEditWnd::OnOpenImage() {
    CFilePicker picker(kOpenImagePicker);
    if (picker.Run(Handle())) m_editor.LoadPicture(picker.FullPath());
    Repaint();
}

void CFrameEditWnd::OnCreateOrigin() {
    CNameDialog dialog;
    if (dialog.RunModal(ActiveEditorWindow(Handle())) == IDOK) m_editor.PutOrigin(dialog.Name());
    Repaint();
}

void CFrameEditWnd::OnInsertSound() {
    CFilePicker picker(kInsertSoundPicker);
    if (!picker.Run(Handle())) return;
    m_editor.SetSound(picker.FileName());
    Refresh();
}

void CFrameEditWnd::OnDropSound() {
    m_editor.SetSound("");
    Refresh();
}

void CFrameEditWnd::Repaint() { InvalidateRect(Handle(), nullptr, TRUE); }
