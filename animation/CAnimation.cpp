#include "CAnimation.h"

#include <algorithm>

#include "CFileReader.h"
#include "CFileWriter.h"
#include "LoadTrace.h"
#include "StreamTransfer.h"

namespace {

// Doubling keeps the reads linear; the claimed count caps it, so an honest file ends with
// exactly its frames.
size_t GrownCapacity(size_t held, uint32_t claimed) {
    constexpr size_t kFirstCapacity = 16;
    return std::min<size_t>(claimed, std::max(kFirstCapacity, held * 2));
}

}  // namespace

bool CAnimation::ReadFrom(CFileReader& reader) {
    uint32_t frameCount = 0;
    if (!ReadCountedString(reader, name) || !ReadU32(reader, reserved1) || !ReadU32(reader, reserved2) ||
        !ReadU32(reader, frameCount))
        return false;
    if (uint64_t{frameCount} * kMinFrameRecordBytes > reader.Remaining()) {
        reader.Fail();
        return false;
    }
    // The count is a claim: the vector grows as records arrive, never past the count, so a
    // file that claims millions of frames and holds one costs one frame.
    frames.clear();
    LoadTrace* trace = reader.Trace();
    if (trace != nullptr) trace->currentAnimation = name;
    for (uint32_t i = 0; i < frameCount; ++i) {
        if (trace != nullptr) trace->currentFrame = i;
        CFrame frame;
        if (!frame.ReadFrom(reader)) return false;
        if (frames.size() == frames.capacity()) frames.reserve(GrownCapacity(frames.size(), frameCount));
        frames.push_back(std::move(frame));
    }
    return reader.Good();
}

bool CAnimation::WriteTo(CFileWriter& writer) const {
    if (!WriteCountedString(writer, name) || !WriteU32(writer, reserved1) || !WriteU32(writer, reserved2) ||
        !WriteU32(writer, static_cast<uint32_t>(frames.size())))
        return false;
    for (const CFrame& frame : frames) {
        if (!frame.WriteTo(writer)) return false;
    }
    return writer.Good();
}

bool operator==(const CAnimation& a, const CAnimation& b) {
    return a.reserved1 == b.reserved1 && a.reserved2 == b.reserved2 && a.frames == b.frames && a.name == b.name;
}
