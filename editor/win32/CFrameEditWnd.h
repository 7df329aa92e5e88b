#pragma once
// The animation dialog's frame window: the frame list, display-time and sound fields at the
// right, the current frame's picture centred with its anchor and origins over it (and, when
// asked, its neighbours faintly under it), dragging of those points, and the "Frame" and
// "Origins" popups. It edits a working copy of the
// animation (CFrameEditor) and only moves values between it and the controls.
#include <windows.h>

#include <string>
#include <vector>

#include "CCharacterModel.h"
#include "CDrawnChildWnd.h"
#include "COffscreenBuffer.h"
#include "CommandRouter.h"
#include "EditorKeys.h"
#include "FrameEditor.h"
#include "FrameFieldsOwner.h"
#include "PointMarks.h"

class CFrameEditWnd : public CDrawnChildWnd {
public:
    // The character's name is read from `character` whenever it is needed.
    CFrameEditWnd(const CCharacterModel& character, IFrameFieldsOwner& owner);

    bool Create(const RECT& rect, HWND parent, int id) override;
    void Draw(HDC dc) override;
    // Brings the frame list, both fields and the owner's fields in line with the animation.
    void Refresh();
    void Layout(int cx, int cy);
    // Undo (back) or redo of the working animation, then a refresh.
    void StepHistory(bool back);
    // A key press or wheel turn for the dialog: the zoom keys and Ctrl + wheel zoom, the arrow
    // keys move the selected point while this window has the focus. True when it was taken.
    bool OnKey(const MSG& message);

    CFrameEditor& Editor() { return m_editor; }
    const CFrameEditor& Editor() const { return m_editor; }

protected:
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void RouteCommands();
    void CreateChildren();
    void RefreshFrameList();
    void RewriteDisplayTime();
    void DrawFrame(HDC dc) const;
    void DrawOnionSkin(HDC dc, const CFrame& frame, SIZE client, int zoom) const;
    bool ShowsOpacity() const;
    void DrawKeyedPicture(HDC dc, const CBryDIB& image, PicturePosition at, int zoom) const;
    bool OnZoom(EditorShortcut shortcut);
    bool OnFrameShortcut(EditorShortcut shortcut);
    bool OnClipboardShortcut(EditorShortcut shortcut, HWND target);
    void OnSize(int cx, int cy);
    void OnDpiChanged();
    void OnLeftPress(LPARAM point);
    void OnMouseMove(LPARAM point);
    void OnLeftRelease();
    void OnFrameSelected();
    void OnDisplayTimeUpdate();
    void OnInsertNew();
    void OnDeleteFrame();
    void OnDuplicateFrame();
    void OnMoveFrame(FrameMove direction);
    void OnDropPictures(const std::vector<std::string>& paths);
    void OnOpenImage();
    void OnCreateOrigin();
    void OnInsertSound();
    void OnDropSound();
    void Repaint();

    const CCharacterModel& m_character;
    IFrameFieldsOwner& m_owner;
    CFrameEditor m_editor;
    COffscreenBuffer m_buffer;
    CCommandRouter m_commands;
    HWND m_frameList = nullptr;
    HWND m_displayTime = nullptr;
    HWND m_sound = nullptr;
    UINT m_dpi = 96;  // of the monitor the window is on, as its layout and zoom were made for
};
