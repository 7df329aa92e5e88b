#pragma once
// The preview's drawn window: plays one animation of the character on a 100 ms timer,
// wrapping the character at the edges and putting it back in the middle on every resize.
#include <windows.h>

#include <string>

#include "CDrawnChildWnd.h"
#include "COffscreenBuffer.h"
#include "CPreviewPlayer.h"

class CCharacterModel;

class CPreviewWnd : public CDrawnChildWnd {
public:
    explicit CPreviewWnd(const CCharacterModel& character) : m_character(character) {}

    void SetAnimationName(const std::string& name) { m_animationName = name; }
    bool Create(const RECT& rect, HWND parent, int id) override;
    void Draw(HDC dc) override;

protected:
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void OnTimer();
    void OnSize();

    const CCharacterModel& m_character;
    std::string m_animationName;
    CPreviewPlayer m_player;
    COffscreenBuffer m_buffer;
    int m_zoom = 1;  // whole steps; the starting zoom of the monitor's DPI
};
