#include "WorkAreas.h"

#include <windows.h>

namespace desk {

namespace {

DeskRect FromRect(const RECT& rect) { return {rect.left, rect.top, rect.right, rect.bottom}; }

DeskRect WorkAreaOf(HMONITOR monitor) {
    MONITORINFO info{};
    info.cbSize = sizeof(info);
    if (monitor == nullptr || !GetMonitorInfoW(monitor, &info)) {
        RECT area{};
        SystemParametersInfoW(SPI_GETWORKAREA, 0, &area, 0);
        return FromRect(area);
    }
    return FromRect(info.rcWork);
}

BOOL CALLBACK AddWorkArea(HMONITOR monitor, HDC, LPRECT, LPARAM areas) {
    reinterpret_cast<std::vector<DeskRect>*>(areas)->push_back(WorkAreaOf(monitor));
    return TRUE;
}

}  // namespace

std::vector<DeskRect> AllWorkAreas() {
    std::vector<DeskRect> areas;
    EnumDisplayMonitors(nullptr, nullptr, &AddWorkArea, reinterpret_cast<LPARAM>(&areas));
    if (areas.empty()) areas.push_back(PrimaryWorkArea());
    return areas;
}

DeskRect PrimaryWorkArea() { return WorkAreaOf(MonitorFromPoint(POINT{0, 0}, MONITOR_DEFAULTTOPRIMARY)); }

DeskRect WorkAreaAt(DeskPoint point) {
    return WorkAreaOf(MonitorFromPoint(POINT{point.x, point.y}, MONITOR_DEFAULTTONEAREST));
}

}  // namespace desk
