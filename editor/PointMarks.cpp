#include "PointMarks.h"

#include <algorithm>
#include <cstdint>
#include <limits>

#include "CFrame.h"
#include "FieldText.h"

namespace {

constexpr float kMarkRadius = 5.0f;

PointMark MarkAt(std::string name, float x, float y) {
    PointMark mark;
    mark.name = std::move(name);
    mark.box = {TruncateToInt(x - kMarkRadius), TruncateToInt(y - kMarkRadius), TruncateToInt(x + kMarkRadius),
                TruncateToInt(y + kMarkRadius)};
    return mark;
}

}  // namespace

bool PixelBox::Contains(float x, float y) const {
    return x >= static_cast<float>(left) && x < static_cast<float>(right) && y >= static_cast<float>(top) &&
           y < static_cast<float>(bottom);
}

PicturePosition CentredPicture(int clientWidth, int clientHeight, int pictureWidth, int pictureHeight, int zoom) {
    // In 64 bits: a file's picture may be as wide as an int allows.
    const auto corner = [zoom](int client, int picture) {
        const int64_t value = client / 2 - int64_t{picture} * zoom / 2;
        constexpr int64_t kLowest = std::numeric_limits<int>::min();
        constexpr int64_t kHighest = std::numeric_limits<int>::max();
        return static_cast<int>(std::clamp(value, kLowest, kHighest));
    };
    return {corner(clientWidth, pictureWidth), corner(clientHeight, pictureHeight)};
}

PicturePosition CentredPicture(const CFrame& frame, int clientWidth, int clientHeight, int zoom) {
    return CentredPicture(clientWidth, clientHeight, frame.image.width(), frame.image.RowCount(), zoom);
}

std::vector<PointMark> PointMarks(const CFrame& frame, const std::string& characterName, int clientWidth,
                                  int clientHeight, int zoom) {
    std::vector<PointMark> marks;
    if (frame.image.IsEmpty()) return marks;
    const PicturePosition origin = CentredPicture(frame, clientWidth, clientHeight, zoom);
    const auto x0 = static_cast<float>(origin.x);
    const auto y0 = static_cast<float>(origin.y);
    const auto scale = static_cast<float>(zoom);
    const float ax = x0 + frame.anchor.x * scale;
    const float ay = y0 + frame.anchor.y * scale;
    PointMark anchor = MarkAt(characterName, ax, ay);
    anchor.labelX = TruncateToInt(ax + kMarkRadius);
    anchor.labelY = TruncateToInt(ay - kMarkRadius);
    marks.push_back(std::move(anchor));
    for (const auto& [name, point] : frame.origins) {
        const float ox = x0 + point.x * scale;
        const float oy = y0 + point.y * scale;
        PointMark mark = MarkAt(name, ox, oy);
        mark.labelX = TruncateToInt(ox - kMarkRadius);
        mark.labelY = TruncateToInt(oy + kMarkRadius);
        marks.push_back(std::move(mark));
    }
    return marks;
}

std::optional<std::string> HitMark(const std::vector<PointMark>& marks, float x, float y) {
    std::optional<std::string> hit;
    for (const PointMark& mark : marks) {
        if (mark.box.Contains(x, y)) hit = mark.name;
    }
    return hit;
}
