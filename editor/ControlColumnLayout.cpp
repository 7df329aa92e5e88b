#include "ControlColumnLayout.h"

#include <algorithm>

ControlColumn LayoutControlColumn(int cx, int cy) {
    const int middle = std::max(cx / 2, cx - 200);
    const int left = middle + (cx - middle) / 2;
    const int width = cx - left;
    const int listHeight = std::min(cy / 4, 100);
    ControlColumn column;
    column.frameList = {left, 0, width, listHeight};
    column.displayTime = {left, listHeight + 1, width, 20};
    column.sound = {left, listHeight + 31, width, 20};
    return column;
}
