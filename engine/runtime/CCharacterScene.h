#pragma once
// The composed picture of one character: the back surface drawn at each tick, the saved
// picture last presented, the frame rectangle and the window region runs.
#include <vector>

#include "CAnimationPlayer.h"
#include "FrameRectangle.h"
#include "RegionRuns.h"
#include "Surface.h"

class CCharacterScene {
public:
    CCharacterScene();

    void FillBack();                // the whole area in KEY_COLOUR
    void DrawCurrentFrame(const CAnimationPlayer& player);  // frame picture, then frame rectangle
    void RestoreSavedToBack();
    void SaveBack();
    void RefreshFrameRect(const CAnimationPlayer& player);
    // Rebuilds the region runs from the back surface at the frame rectangle's top-left.
    const std::vector<RunRect>& BuildRuns();

    const Surface& Back() const { return m_back; }
    const Surface& Saved() const { return m_saved; }
    const FrameRectangle& Rect() const { return m_rect; }
    const std::vector<RunRect>& Runs() const { return m_runs; }

private:
    Surface m_back;
    Surface m_saved;
    FrameRectangle m_rect;
    std::vector<RunRect> m_runs;
};
