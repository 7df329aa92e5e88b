#pragma once
// Where the frame window puts its frame list, display-time field and sound field: a column
// at the right edge, a quarter of the width up to 400 pixels, 100 pixels beyond. The pixel
// sizes are those of a 96-DPI monitor, scaled to the window's DPI, so that the fields hold a
// line of the dialog's font (which the system scales) at any scale.
struct ControlRect {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
};

struct ControlColumn {
    ControlRect frameList;
    ControlRect displayTime;
    ControlRect sound;
};

// Pixels of a 96-DPI monitor at `dpi`, rounded.
int ScaledForDpi(int pixels, unsigned dpi);
// Pixels made for a monitor of oldDpi, at newDpi (rounded; unchanged when either is 0).
int RescaledForDpi(int pixels, unsigned oldDpi, unsigned newDpi);

// For a client area of cx x cy pixels on a monitor of `dpi`.
ControlColumn LayoutControlColumn(int cx, int cy, unsigned dpi = 96);
