#include "CAnimation.h"

#include "CFileReader.h"
#include "CFileWriter.h"
#include "LoadTrace.h"
#include "StreamTransfer.h"

bool CAnimation::ReadFrom(CFileReader& reader) {
    uint32_t frameCount = 0;
    if (!ReadCountedString(reader, name) || !ReadU32(reader, reserved1) || !ReadU32(reader, reserved2) ||
        !ReadU32(reader, frameCount))
        return false;
    if (uint64_t{frameCount} * kMinFrameRecordBytes > reader.Remaining()) {
        reader.Fail();
        return false;
    }
    frames.assign(frameCount, CFrame());
    LoadTrace* trace = reader.Trace();
    if (trace != nullptr) trace->currentAnimation = name;
    for (uint32_t i = 0; i < frameCount; ++i) {
        if (trace != nullptr) trace->currentFrame = i;
        if (!frames[i].ReadFrom(reader)) return false;
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
