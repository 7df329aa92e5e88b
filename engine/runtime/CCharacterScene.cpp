#include "CCharacterScene.h"

#include <algorithm>

#include "CFrame.h"
#include "IntegerConversion.h"
#include "RuntimeConstants.h"

CCharacterScene::CCharacterScene()
    : m_back(kDrawingWidth, kDrawingHeight, KEY_COLOUR), m_saved(kDrawingWidth, kDrawingHeight, KEY_COLOUR) {}

void CCharacterScene::SetScale(DisplayScale scale) {
    if (scale == m_scale) return;
    m_scale = scale;
    m_pictures.Clear();
    m_back = Surface(scale.Length(kDrawingWidth), scale.Length(kDrawingHeight), EmptyPixel());
    m_backFrame = nullptr;
    if (m_savedFrame != nullptr) DrawFrame(*m_savedFrame);
    SaveBack();
}

void CCharacterScene::ForgetPictures() {
    m_pictures.Clear();
    m_backFrame = nullptr;
    m_savedFrame = nullptr;
}

void CCharacterScene::UseOpacity(bool opacity) {
    if (opacity == m_opacity) return;
    m_opacity = opacity;
    ForgetPictures();
    m_back.Fill(EmptyPixel());
    m_saved.Fill(EmptyPixel());
}

uint32_t CCharacterScene::EmptyPixel() const { return m_opacity ? 0u : KEY_COLOUR; }

void CCharacterScene::DrawPicture(const CBryDIB& image, Surface& surface) const {
    if (m_opacity) {
        image.DrawPremultiplied(surface, 0, 0, KEY_COLOUR);
    } else {
        image.Draw(surface, 0, 0);
    }
}

void CCharacterScene::FillBack() {
    m_back.Fill(EmptyPixel());
    m_backFrame = nullptr;
}

void CCharacterScene::DrawCurrentFrame(const CAnimationPlayer& player) {
    if (const CFrame* frame = player.CurrentFrame()) DrawFrame(*frame);
    m_rect = player.CurrentFrameRect();
}

void CCharacterScene::DrawFrame(const CFrame& frame) {
    if (m_scale.IsUnit()) {
        DrawPicture(frame.image, m_back);
    } else {
        DrawScaledFrame(frame);
    }
    m_backFrame = &frame;
}

// The frame's picture at the scale, from the cache, copied to the top-left of the back surface.
// Its size is that of a drawable picture, never a header's claim, and only the part that the
// drawing area shows is drawn before scaling.
void CCharacterScene::DrawScaledFrame(const CFrame& frame) {
    if (!frame.image.IsDrawable()) return;
    PictureSource source;
    source.width = frame.image.DrawnWidth();
    source.height = frame.image.DrawnRows();
    source.drawPart = [this, &frame](int32_t width, int32_t height) {
        Surface part(width, height, EmptyPixel());
        DrawPicture(frame.image, part);
        return part;
    };
    source.premultiplied = m_opacity;
    const Surface& picture = m_pictures.Get(&frame, m_scale, m_back.Width(), m_back.Height(), source);
    for (int32_t y = 0; y < picture.Height(); ++y) {
        std::copy(picture.Row(y), picture.Row(y) + picture.Width(), m_back.Row(y));
    }
}

void CCharacterScene::RestoreSavedToBack() {
    m_back = m_saved;
    m_backFrame = m_savedFrame;
}

void CCharacterScene::SaveBack() {
    m_saved = m_back;
    m_savedFrame = m_backFrame;
}

void CCharacterScene::RefreshFrameRect(const CAnimationPlayer& player) { m_rect = player.CurrentFrameRect(); }

const std::vector<RunRect>& CCharacterScene::BuildRuns(int32_t originX, int32_t originY) {
    const int32_t left = SaturatingAdd(m_rect.left, -int64_t{originX});
    const int32_t top = SaturatingAdd(m_rect.top, -int64_t{originY});
    if (m_opacity) {
        BuildOpacityRuns(m_back, left, top, m_runs);
    } else {
        BuildRegionRuns(m_back, left, top, KEY_COLOUR, m_runs);
    }
    return m_runs;
}

bool ModelHasOpacity(const CCharacterModel& model) {
    for (const auto& [name, animation] : model.Animations()) {
        for (const CFrame& frame : animation.frames) {
            if (frame.image.HasOpacity()) return true;
        }
    }
    return false;
}
