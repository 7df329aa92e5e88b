#include "PointMarks.h"

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

PicturePosition CentredPicture(int clientWidth, int clientHeight, int pictureWidth, int pictureHeight) {
    return {clientWidth / 2 - pictureWidth / 2, clientHeight / 2 - pictureHeight / 2};
}

PicturePosition CentredPicture(const CFrame& frame, int clientWidth, int clientHeight) {
    return CentredPicture(clientWidth, clientHeight, frame.image.width(), frame.image.RowCount());
}

std::vector<PointMark> PointMarks(const CFrame& frame, const std::string& characterName, int clientWidth,
                                  int clientHeight) {
    std::vector<PointMark> marks;
    if (frame.image.IsEmpty()) return marks;
    const PicturePosition origin = CentredPicture(frame, clientWidth, clientHeight);
    const auto x0 = static_cast<float>(origin.x);
    const auto y0 = static_cast<float>(origin.y);
    PointMark anchor = MarkAt(characterName, x0 + frame.anchor.x, y0 + frame.anchor.y);
    anchor.labelX = TruncateToInt(x0 + frame.anchor.x + kMarkRadius);
    anchor.labelY = TruncateToInt(y0 + frame.anchor.y - kMarkRadius);
    marks.push_back(std::move(anchor));
    for (const auto& [name, point] : frame.origins) {
        PointMark mark = MarkAt(name, x0 + point.x, y0 + point.y);
        mark.labelX = TruncateToInt(x0 + point.x - kMarkRadius);
        mark.labelY = TruncateToInt(y0 + point.y + kMarkRadius);
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
