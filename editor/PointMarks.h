#pragma once
// Where the frame window shows the current frame's picture and the marks of its anchor and
// origins, and which mark a mouse press hits.
#include <optional>
#include <string>
#include <vector>

class CFrame;

struct PixelBox {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    // Left and top inclusive, right and bottom exclusive.
    bool Contains(float x, float y) const;
};

struct PointMark {
    std::string name;  // the character's name for the anchor, else the origin's name
    PixelBox box;      // the ring drawn around the point, also its hit box
    int labelX = 0;    // top-left corner of the name's text
    int labelY = 0;
};

// Top-left corner of a w x h picture shown `zoom` times its size (each picture pixel a zoom x
// zoom square), centred in a W x H client area (halves truncated).
struct PicturePosition {
    int x = 0;
    int y = 0;
};
PicturePosition CentredPicture(int clientWidth, int clientHeight, int pictureWidth, int pictureHeight, int zoom = 1);
PicturePosition CentredPicture(const CFrame& frame, int clientWidth, int clientHeight, int zoom = 1);

// The anchor's mark first, then one per origin in key order; none for a frame without a picture.
// The marks keep their size at every zoom; their centres follow the zoomed picture.
std::vector<PointMark> PointMarks(const CFrame& frame, const std::string& characterName, int clientWidth,
                                  int clientHeight, int zoom = 1);

// The name of the last mark that contains the point, if any.
std::optional<std::string> HitMark(const std::vector<PointMark>& marks, float x, float y);
