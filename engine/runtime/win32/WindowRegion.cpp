#include "WindowRegion.h"

#include <algorithm>
#include <cstring>

UniqueRegion EmptyRegion() { return UniqueRegion(CreateRectRgn(0, 0, 0, 0)); }

UniqueRegion RegionFromRuns(const std::vector<RunRect>& runs) {
    if (runs.empty()) return EmptyRegion();
    RGNDATAHEADER header{};
    header.dwSize = sizeof(RGNDATAHEADER);
    header.iType = RDH_RECTANGLES;
    header.nCount = static_cast<DWORD>(runs.size());
    header.nRgnSize = static_cast<DWORD>(runs.size() * sizeof(RECT));
    header.rcBound = RECT{runs.front().left, runs.front().top, runs.front().right, runs.front().bottom};
    std::vector<RECT> rects;
    rects.reserve(runs.size());
    for (const RunRect& run : runs) {
        rects.push_back(RECT{run.left, run.top, run.right, run.bottom});
        header.rcBound.left = std::min<LONG>(header.rcBound.left, run.left);
        header.rcBound.top = std::min<LONG>(header.rcBound.top, run.top);
        header.rcBound.right = std::max<LONG>(header.rcBound.right, run.right);
        header.rcBound.bottom = std::max<LONG>(header.rcBound.bottom, run.bottom);
    }
    // The region data is the header followed directly by the rectangles.
    std::vector<unsigned char> data(sizeof(header) + header.nRgnSize);
    std::memcpy(data.data(), &header, sizeof(header));
    std::memcpy(data.data() + sizeof(header), rects.data(), header.nRgnSize);
    return UniqueRegion(
        ExtCreateRegion(nullptr, static_cast<DWORD>(data.size()), reinterpret_cast<const RGNDATA*>(data.data())));
}
