#include "FrameClipboard.h"

#include <new>

#include "CFileReader.h"
#include "CFileWriter.h"
#include "ClipboardDib.h"
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

std::vector<uint8_t> ClipboardBlock(const std::vector<uint8_t>& contents) {
    std::vector<uint8_t> block;
    CFileWriter writer(block);
    const auto length = static_cast<uint32_t>(contents.size());
    writer.Write(&length, sizeof length);
    block.insert(block.end(), contents.begin(), contents.end());
    return block;
}

std::optional<std::vector<uint8_t>> ClipboardBlockContents(const std::vector<uint8_t>& block) {
    CFileReader reader = CFileReader::OverBytes(block.data(), block.size());
    uint32_t length = 0;
    if (!reader.Read(&length, sizeof length) || length > reader.Remaining()) return std::nullopt;
    const auto first = block.begin() + sizeof length;
    return std::vector<uint8_t>(first, first + static_cast<std::ptrdiff_t>(length));
}

namespace {

CBryDIB ConvertedPicture(const DibPixelReader& reader) {
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

PastedPicture Refused(std::string why) { return {CBryDIB(), std::move(why)}; }

}  // namespace

PastedPicture PictureFromClipboardDib(std::vector<uint8_t> dib) {
    std::string why;
    if (!NormaliseClipboardDib(dib, why)) return Refused(why);
    const DibHeader header = ParseDibHeader(dib.data(), dib.size());
    const int64_t rows = DibRowCount(header);
    if (header.width > kMaxPictureDimension || rows > kMaxPictureDimension) {
        return Refused("The picture on the clipboard is " + std::to_string(header.width) + " x " +
                       std::to_string(rows) + " pixels; a frame takes at most " +
                       std::to_string(kMaxPictureDimension) + " pixels a side.");
    }
    const DibPixelReader reader(dib);
    if (!reader.Readable() || reader.Width() <= 0 || reader.Rows() <= 0)
        return Refused("The picture on the clipboard cannot be read (cut short, compressed or of no known depth).");
    try {
        return {ConvertedPicture(reader), std::string()};
    } catch (const std::bad_alloc&) {
        return Refused("There is not enough memory to paste the picture on the clipboard.");
    }
}

CFrame FrameForPastedPicture(const CFrame* current, CBryDIB picture) {
    CFrame frame;
    if (current != nullptr) {
        frame.displayTime = current->displayTime;
        frame.anchor = current->anchor;
        frame.shift = current->shift;
    }
    frame.image = std::move(picture);
    return frame;
}
