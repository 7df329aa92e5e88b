#pragma once
// Base of the editor's drawn child windows (the frame editor and the preview): a child window
// that paints itself only when its background is erased, through Draw. Destroying the window
// leaves the object alone; destroying the object destroys a window still alive.
#include <windows.h>

class CDrawnChildWnd {
public:
    CDrawnChildWnd(const CDrawnChildWnd&) = delete;
    CDrawnChildWnd& operator=(const CDrawnChildWnd&) = delete;
    virtual ~CDrawnChildWnd();

    // Paints the whole client area into the device context.
    virtual void Draw(HDC dc) = 0;
    virtual bool Create(const RECT& rect, HWND parent, int id) = 0;

    HWND Handle() const { return m_window; }
    // Moves the window to the rectangle (parent client coordinates) and repaints it.
    void MoveTo(const RECT& rect);

protected:
    CDrawnChildWnd() = default;
    // A visible child of the parent with the given title; the children it makes are clipped
    // out of its drawing.
    bool CreateChildWindow(const char* title, const RECT& rect, HWND parent);
    // Every message of the window; the base answers the background erase with Draw.
    virtual LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam);

private:
    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    HWND m_window = nullptr;
};
