#pragma once
// One frame of an animation: picture, movement, anchor, origins, sound, display time.
#include <cstdint>
#include <map>
#include <string>

#include "CBryDIB.h"
#include "PointF.h"

class CFileReader;
class CFileWriter;

class CFrame {
public:
    CFrame() = default;
    CFrame(const CFrame&) = default;
    CFrame(CFrame&&) noexcept = default;
    CFrame& operator=(const CFrame&) = default;
    CFrame& operator=(CFrame&&) noexcept = default;
    virtual ~CFrame() = default;

    // Origins keyed by another character's name, in byte order.
    using OriginMap = std::map<std::string, PointF>;

    CBryDIB image;
    PointF shift;    // pixels the reference point moves over the frame (right, down)
    PointF anchor;   // the reference point inside the picture, from its top-left corner
    OriginMap origins;
    std::string sound;       // WAV file name without directory; empty for none
    uint32_t displayTime = 0;  // milliseconds

    const PointF* FindOrigin(const std::string& characterName) const;
    void SetOrigin(const std::string& characterName, PointF point);

    bool ReadFrom(CFileReader& reader);
    bool WriteTo(CFileWriter& writer) const;

    friend bool operator==(const CFrame& a, const CFrame& b);
};
