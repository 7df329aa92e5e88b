#pragma once
// What the frame window edits: its working copy of one animation, the current frame, and
// the dragging of anchor and origins. The window only forwards input and shows the result.
#include <cstddef>
#include <string>
#include <vector>

#include "AnimationDiff.h"
#include "CAnimation.h"
#include "FrameCommands.h"
#include "OnionSkin.h"
#include "PointF.h"
#include "UndoHistory.h"

constexpr int kMinZoom = 1;  // 100 %
constexpr int kMaxZoom = 8;  // 800 %
// The smallest whole step that shows a picture at least at its natural size on a monitor of
// that DPI: 1 at 96, 2 at 120 to 192, 3 above.
int StartingZoomForDpi(unsigned dpi);
// The step after the window moved from a monitor of oldDpi to one of newDpi: the new monitor's
// starting step where the zoom was at the old one's, else the step that keeps the picture
// about as large on the screen (rounded, within the limits).
int ZoomAfterDpiChange(int zoom, unsigned oldDpi, unsigned newDpi);

class CFrameEditor {
public:
    const CAnimation& Animation() const { return m_animation; }
    // Replaces the working animation (reserved words, frames, name); the undo history starts anew.
    void SetAnimation(CAnimation animation);
    void SetName(std::string name);

    size_t CurrentIndex() const { return m_current; }
    // The current frame; null while the animation has no frames.
    CFrame* CurrentFrame();
    const CFrame* CurrentFrame() const;
    // Brings the current index back into range; false when there are no frames.
    bool ClampCurrentIndex();
    // "Frame %3d" for every frame, in order.
    std::vector<std::string> FrameListItems() const;

    // The author picked a list item. True when it was the item already current, which asks
    // for the "Frame" popup instead of a refresh.
    bool SelectFrame(size_t index);

    void InsertNewFrame();
    DeleteOutcome DeleteCurrentFrame();
    // A copy of the current frame after it becomes current; false without a current frame.
    bool DuplicateCurrentFrame();
    // The current frame trades places with its neighbour and stays current; false at an end.
    bool MoveCurrentFrame(FrameMove direction);
    // Frames from the clipboard after the current one; the first of them becomes current. One step.
    bool PasteFrames(std::vector<CFrame> frames);
    // A picture into the current frame (one step); false without a current frame or picture.
    bool PastePicture(CBryDIB picture);
    // Frames from picture files (the importer's rules: a lone GIF gives all its frames) after the
    // current one, with its time, shift and anchor; the first of them becomes current. One step.
    // Empty when nothing was inserted, else why.
    std::string InsertPictureFiles(const std::vector<std::string>& paths);
    // Decodes a picture file into the current frame; a file that cannot be decoded changes nothing.
    bool LoadPicture(const std::string& path);
    void SetSound(std::string sound);
    // Puts the origin at (0, 0) into the current frame only.
    void PutOrigin(const std::string& name);
    // The shift fields: text read as atol reads it.
    void SetShiftX(const std::string& text);
    void SetShiftY(const std::string& text);

    // The display-time field stored a new time into the current frame.
    void DisplayTimeTyped();

    // A left press at (x, y) in a client area of the given size; true when it hit a mark,
    // which becomes the selected point.
    bool Press(float x, float y, int clientWidth, int clientHeight, const std::string& characterName);
    // True while dragging: the dragged point moved with the mouse.
    bool MoveTo(float x, float y, const std::string& characterName);
    // Ends a drag; the whole drag is one step to undo.
    void Release();
    bool IsDragging() const { return m_dragging; }
    const std::string& DragTarget() const { return m_dragTarget; }
    // Moves the selected point (the anchor until an origin was pressed) the way a drag does.
    void Nudge(float dx, float dy, const std::string& characterName);

    // The picture is shown Zoom() times its size (1 to 8, whole steps); presses and drags are
    // measured in client pixels and turned into picture pixels.
    int Zoom() const { return m_zoom; }
    // False when the zoom was already at its limit.
    bool ZoomIn();
    bool ZoomOut();
    // Back to the starting step.
    bool ResetZoom();
    // The step the editor starts at and resets to (kept within the limits).
    void SetStartingZoom(int zoom);
    // The window moved to a monitor of another DPI: starting step and zoom follow it.
    void FollowDpi(unsigned oldDpi, unsigned newDpi);
    // Ctrl + wheel: a turn away from the author zooms in.
    bool ZoomByWheel(int wheelDelta);

    // The onion skin of each side, off at first; a view setting, neither a step nor saved.
    bool ShowsOnion(OnionSide side) const { return m_onion[Side(side)]; }
    void ToggleOnion(OnionSide side) { m_onion[Side(side)] = !m_onion[Side(side)]; }
    // The frame shown faintly on that side of the current one: null while that side is off or
    // has no other frame.
    const CFrame* OnionFrame(OnionSide side) const;

    // Every change above is a step; typing into one field of one frame makes one step.
    bool Undo();
    bool Redo();
    size_t UndoSteps() const { return m_history.UndoSteps(); }

private:
    void Record(const std::string& mergeKey = std::string());
    std::string FieldKey(const char* field) const;
    void AfterHistoryMove();
    static size_t Side(OnionSide side) { return side == OnionSide::Previous ? 0 : 1; }

    CAnimation m_animation;
    CUndoHistory<CAnimation, CAnimationDiff> m_history;
    std::string m_selectedPoint;  // empty: the anchor
    int m_zoom = 1;
    bool m_onion[2] = {false, false};
    int m_startingZoom = 1;
    size_t m_current = 0;
    bool m_dragging = false;
    std::string m_dragTarget;
    PointF m_lastMouse;
};
