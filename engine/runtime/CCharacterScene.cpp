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
    m_back = Surface(scale.Length(kDrawingWidth), scale.Length(kDrawingHeight), KEY_COLOUR);
    m_saved = m_back;
}

void CCharacterScene::FillBack() { m_back.Fill(KEY_COLOUR); }

void CCharacterScene::DrawCurrentFrame(const CAnimationPlayer& player) {
    if (m_scale.IsUnit()) {
        player.DrawFrame(m_back);
    } else {
        DrawScaledFrame(player);
    }
    m_rect = player.CurrentFrameRect();
}

// The frame's picture at the scale, from the cache, copied to the top-left of the back surface.
void CCharacterScene::DrawScaledFrame(const CAnimationPlayer& player) {
    const CFrame* frame = player.CurrentFrame();
    if (frame == nullptr) return;
    const auto makeSource = [frame] {
        Surface source(frame->image.width(), frame->image.RowCount(), KEY_COLOUR);
        frame->image.Draw(source, 0, 0);
        return source;
    };
    const Surface& picture = m_pictures.Get(frame, m_scale, m_back.Width(), m_back.Height(), makeSource);
    for (int32_t y = 0; y < picture.Height(); ++y) {
        std::copy(picture.Row(y), picture.Row(y) + picture.Width(), m_back.Row(y));
    }
}

void CCharacterScene::RestoreSavedToBack() { m_back = m_saved; }

void CCharacterScene::SaveBack() { m_saved = m_back; }

void CCharacterScene::RefreshFrameRect(const CAnimationPlayer& player) { m_rect = player.CurrentFrameRect(); }

const std::vector<RunRect>& CCharacterScene::BuildRuns(int32_t originX, int32_t originY) {
    BuildRegionRuns(m_back, SaturatingAdd(m_rect.left, -int64_t{originX}), SaturatingAdd(m_rect.top, -int64_t{originY}),
                    KEY_COLOUR, m_runs);
    return m_runs;
}
