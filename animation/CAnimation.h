#pragma once
// A named sequence of frames with two reserved words carried unchanged through files.
#include <cstdint>
#include <string>
#include <vector>

#include "CFrame.h"

class CAnimation {
public:
    CAnimation() = default;
    CAnimation(const CAnimation&) = default;
    CAnimation(CAnimation&&) noexcept = default;
    CAnimation& operator=(const CAnimation&) = default;
    CAnimation& operator=(CAnimation&&) noexcept = default;
    virtual ~CAnimation() = default;

    uint32_t reserved1 = 0;
    uint32_t reserved2 = 0;
    std::vector<CFrame> frames;
    std::string name;

    // Reads one animation record; a frame count the file cannot hold fails before allocating.
    bool ReadFrom(CFileReader& reader);
    bool WriteTo(CFileWriter& writer) const;

    friend bool operator==(const CAnimation& a, const CAnimation& b);
};

// The smallest number of bytes one frame record takes in a file.
constexpr uint64_t kMinFrameRecordBytes = 4 * 4 + 4 + 4 + 4 + 4;
