#pragma once
// What the frame window edits: its working copy of one animation, the current frame, and
// the dragging of anchor and origins. The window only forwards input and shows the result.
#include <cstddef>
#include <string>
#include <vector>

#include "CAnimation.h"
#include "FrameCommands.h"
#include "PointF.h"

class CFrameEditor {
public:
    const CAnimation& Animation() const { return m_animation; }
    // Replaces the working animation (reserved words, frames, name).
    void SetAnimation(CAnimation animation);
    void SetName(std::string name) { m_animation.name = std::move(name); }

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
    // Decodes a picture file into the current frame; a file that cannot be decoded changes nothing.
    bool LoadPicture(const std::string& path);
    void SetSound(std::string sound);
    // Puts the origin at (0, 0) into the current frame only.
    void PutOrigin(const std::string& name);
    // The shift fields: text read as atol reads it.
    void SetShiftX(const std::string& text);
    void SetShiftY(const std::string& text);

    // A left press at (x, y) in a client area of the given size; true when it hit a mark.
    bool Press(float x, float y, int clientWidth, int clientHeight, const std::string& characterName);
    // True while dragging: the dragged point moved with the mouse.
    bool MoveTo(float x, float y, const std::string& characterName);
    void Release() { m_dragging = false; }
    bool IsDragging() const { return m_dragging; }
    const std::string& DragTarget() const { return m_dragTarget; }

private:
    CAnimation m_animation;
    size_t m_current = 0;
    bool m_dragging = false;
    std::string m_dragTarget;
    PointF m_lastMouse;
};
