#include "CFrame.h"

#include "CFileReader.h"
#include "CFileWriter.h"
#include "StreamTransfer.h"

const PointF* CFrame::FindOrigin(const std::string& characterName) const {
    const auto found = origins.find(characterName);
    return found != origins.end() ? &found->second : nullptr;
}

void CFrame::SetOrigin(const std::string& characterName, PointF point) { origins[characterName] = point; }

bool CFrame::ReadFrom(CFileReader& reader) {
    uint32_t originCount = 0;
    if (!ReadFloatPair(reader, shift) || !ReadFloatPair(reader, anchor) || !ReadU32(reader, displayTime) ||
        !ReadU32(reader, originCount))
        return false;
    for (uint32_t i = 0; i < originCount; ++i) {
        std::string name;
        PointF point;
        if (!ReadCountedString(reader, name) || !ReadFloatPair(reader, point)) return false;
        origins[name] = point;
    }
    return image.ReadFrom(reader) && ReadCountedString(reader, sound);
}

bool CFrame::WriteTo(CFileWriter& writer) const {
    if (!WriteFloatPair(writer, shift) || !WriteFloatPair(writer, anchor) || !WriteU32(writer, displayTime) ||
        !WriteU32(writer, static_cast<uint32_t>(origins.size())))
        return false;
    for (const auto& [name, point] : origins) {
        if (!WriteCountedString(writer, name) || !WriteFloatPair(writer, point)) return false;
    }
    return image.WriteTo(writer) && WriteCountedString(writer, sound);
}

bool operator==(const CFrame& a, const CFrame& b) {
    return a.image == b.image && a.shift == b.shift && a.anchor == b.anchor && a.origins == b.origins &&
           a.sound == b.sound && a.displayTime == b.displayTime;
}
