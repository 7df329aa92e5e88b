#pragma once
// Where the frame window puts its frame list, display-time field and sound field: a column
// at the right edge, a quarter of the width up to 400 pixels, 100 pixels beyond.
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

// For a client area of cx x cy pixels.
ControlColumn LayoutControlColumn(int cx, int cy);
