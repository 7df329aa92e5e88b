#include "CCharacterScene.h"

#include "RuntimeConstants.h"

CCharacterScene::CCharacterScene()
    : m_back(kDrawingWidth, kDrawingHeight, KEY_COLOUR), m_saved(kDrawingWidth, kDrawingHeight, KEY_COLOUR) {}

void CCharacterScene::FillBack() { m_back.Fill(KEY_COLOUR); }

void CCharacterScene::DrawCurrentFrame(const CAnimationPlayer& player) {
    player.DrawFrame(m_back);
    m_rect = player.CurrentFrameRect();
}

void CCharacterScene::RestoreSavedToBack() { m_back = m_saved; }

void CCharacterScene::SaveBack() { m_saved = m_back; }

void CCharacterScene::RefreshFrameRect(const CAnimationPlayer& player) { m_rect = player.CurrentFrameRect(); }

const std::vector<RunRect>& CCharacterScene::BuildRuns() {
    BuildRegionRuns(m_back, m_rect.left, m_rect.top, KEY_COLOUR, m_runs);
    return m_runs;
}
