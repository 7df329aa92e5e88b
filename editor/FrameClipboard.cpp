#include "FrameClipboard.h"

#include "CFileReader.h"
#include "CFileWriter.h"
#include "DibPixelReader.h"
#include "PictureDecoder.h"

namespace {

constexpr uint32_t kMostFrames = 100000;
constexpr uint32_t kKeyColour = 0xAFAFAF;

// Whether any pixel of a 32-bit picture uses its fourth byte: many programs leave it 0 throughout.
bool UsesAlpha(const DibPixelReader& reader) {
    if (reader.BitCount() != 32) return false;
    std::vector<uint32_t> row(static_cast<size_t>(reader.Width()));
    for (int y = 0; y < reader.Rows(); ++y) {
        reader.ReadRow(y, 0, reader.Width(), row.data());
        for (const uint32_t pixel : row)
            if ((pixel >> 24) != 0) return true;
    }
    return false;
}

}  // namespace

std::vector<uint8_t> FramesToClipboardBytes(const std::vector<CFrame>& frames) {
    std::vector<uint8_t> bytes;
    CFileWriter writer(bytes);
    const auto count = static_cast<uint32_t>(frames.size());
    writer.Write(&count, sizeof count);
    for (const CFrame& frame : frames) frame.WriteTo(writer);
    return bytes;
}

std::optional<std::vector<CFrame>> FramesFromClipboardBytes(const std::vector<uint8_t>& bytes) {
    CFileReader reader = CFileReader::OverBytes(bytes.data(), bytes.size());
    uint32_t count = 0;
    if (!reader.Read(&count, sizeof count) || count == 0 || count > kMostFrames) return std::nullopt;
    std::vector<CFrame> frames;
    for (uint32_t i = 0; i < count; ++i) {
        CFrame frame;
        if (!frame.ReadFrom(reader)) return std::nullopt;
        frames.push_back(std::move(frame));
    }
    if (reader.Remaining() != 0) return std::nullopt;
    return frames;
}

CBryDIB PictureFromClipboardDib(const std::vector<uint8_t>& dib) {
    const DibPixelReader reader(dib);
    if (!reader.Readable() || reader.Width() <= 0 || reader.Rows() <= 0) return CBryDIB();
    const bool alpha = UsesAlpha(reader);
    std::vector<uint32_t> row(static_cast<size_t>(reader.Width()));
    std::vector<uint8_t> rgb;
    rgb.reserve(row.size() * static_cast<size_t>(reader.Rows()) * 3);
    for (int y = 0; y < reader.Rows(); ++y) {
        reader.ReadRow(y, 0, reader.Width(), row.data());
        for (uint32_t pixel : row) {
            if (alpha && (pixel >> 24) < 128) pixel = kKeyColour;
            rgb.insert(rgb.end(), {static_cast<uint8_t>(pixel >> 16), static_cast<uint8_t>(pixel >> 8),
                                   static_cast<uint8_t>(pixel)});
        }
    }
    return CBryDIB(DibFromPixels(rgb.data(), reader.Width(), reader.Rows(), 3));
}
