#pragma once
// The composed picture of one character: the back surface drawn at each tick, the saved
// picture last presented, the frame rectangle and the window region runs. At a scale other
// than 1 the drawing area and the pictures are that many times larger.
#include <vector>

#include "CAnimationPlayer.h"
#include "CCharacterModel.h"
#include "CFrame.h"
#include "DisplayScale.h"
#include "FrameRectangle.h"
#include "RegionRuns.h"
#include "ScaledPictureCache.h"
#include "Surface.h"

class CCharacterScene {
public:
    CCharacterScene();

    // A new scale: both surfaces become the drawing area at that scale and the scaled pictures
    // of the old scale are dropped. The saved picture shows the frame it showed, drawn anew at
    // the new scale (the key colour where it showed none), and the back surface is the same.
    void SetScale(DisplayScale scale);
    DisplayScale Scale() const { return m_scale; }
    // The model's pictures are about to change: no picture of theirs may be used again.
    void ForgetPictures();
    const ScaledPictureCache& Pictures() const { return m_pictures; }

    // Pictures with opacity: from now on both surfaces hold premultiplied pixels, transparent
    // (0) where nothing is drawn, and the key colour of pictures without opacity is drawn as
    // transparent. Otherwise they hold keyed pixels (KEY_COLOUR where nothing is drawn).
    void UseOpacity(bool opacity);
    bool UsesOpacity() const { return m_opacity; }

    void FillBack();                // the whole area in KEY_COLOUR, or transparent with opacity
    void DrawCurrentFrame(const CAnimationPlayer& player);  // frame picture, then frame rectangle
    void RestoreSavedToBack();
    void SaveBack();
    void RefreshFrameRect(const CAnimationPlayer& player);
    // Rebuilds the region runs from the back surface at the frame rectangle's top-left, in
    // coordinates relative to the window origin (originX, originY); with opacity, cut at half.
    const std::vector<RunRect>& BuildRuns(int32_t originX = 0, int32_t originY = 0);

    const Surface& Back() const { return m_back; }
    const Surface& Saved() const { return m_saved; }
    const FrameRectangle& Rect() const { return m_rect; }
    const std::vector<RunRect>& Runs() const { return m_runs; }

private:
    void DrawFrame(const CFrame& frame);
    void DrawScaledFrame(const CFrame& frame);
    void DrawPicture(const CBryDIB& image, Surface& surface) const;
    uint32_t EmptyPixel() const;

    DisplayScale m_scale;
    bool m_opacity = false;
    // The frames whose pictures the surfaces show, or none (the key colour alone).
    const CFrame* m_backFrame = nullptr;
    const CFrame* m_savedFrame = nullptr;
    ScaledPictureCache m_pictures;
    Surface m_back;
    Surface m_saved;
    FrameRectangle m_rect;
    std::vector<RunRect> m_runs;
};

// Whether any frame picture of the model carries opacity (CBryDIB::HasOpacity).
bool ModelHasOpacity(const CCharacterModel& model);
