#include "SourcePictures.h"

#include <filesystem>
#include <optional>
#include <system_error>

#include "CBryDIB.h"
#include "CFileReader.h"
#include "GifDecoder.h"
#include "PictureDecoder.h"
#include "PictureEncoder.h"

namespace {

SourceFrames Failure(std::string why) {
    SourceFrames result;
    result.error = std::move(why);
    return result;
}

std::optional<std::vector<uint8_t>> ReadSourceFile(const std::string& path, std::string& why) {
    std::error_code fault;
    if (std::filesystem::is_directory(path, fault)) {
        why = path + ": is a directory";
        return std::nullopt;
    }
    CFileReader reader(path);
    if (!reader.Good()) {
        why = path + ": cannot open the file";
        return std::nullopt;
    }
    if (reader.IsCutShort()) {  // more than the 256 MiB a reader reads
        why = path + ": too large for a picture";
        return std::nullopt;
    }
    std::vector<uint8_t> bytes(static_cast<size_t>(reader.Remaining()));
    if (!reader.Read(bytes.data(), bytes.size())) {
        why = path + ": cannot read the file";
        return std::nullopt;
    }
    return bytes;
}

bool AnyTransparentPixel(const std::vector<uint8_t>& rgba) {
    for (size_t i = 3; i < rgba.size(); i += 4) {
        if (rgba[i] != 255) return true;
    }
    return false;
}

SourceFrames FromGifBytes(const std::string& path, const std::vector<uint8_t>& bytes, bool firstFrameOnly) {
    GifLimits limits;
    limits.maxSide = kMaxPictureDimension;
    limits.maxFrameBytes = kMaxImportBytes;
    limits.maxFrames = kMaxImportFrames;
    limits.firstFrameOnly = firstFrameOnly;
    GifPicture gif = DecodeGif(bytes.data(), bytes.size(), limits);
    if (gif.frames.empty()) return Failure(path + ": " + gif.error);
    bool hasAlpha = false;
    for (const GifCanvasFrame& frame : gif.frames) hasAlpha = hasAlpha || AnyTransparentPixel(frame.rgba);
    SourceFrames result;
    for (GifCanvasFrame& frame : gif.frames) {
        result.frames.push_back(
            {gif.width, gif.height, std::move(frame.rgba), firstFrameOnly ? 0 : frame.delayMs, hasAlpha});
    }
    return result;
}

// A BMP, JPEG, Targa or PNG picture through the library's decoder, as RGBA.
SourceFrames FromPictureBytes(const std::string& path, const std::vector<uint8_t>& bytes) {
    const DecodedPicture decoded = DecodePictureBytes(bytes.data(), bytes.size());
    if (decoded.block.empty()) return Failure(path + ": " + decoded.error);
    const std::optional<RgbaPixels> pixels = PixelsOfPicture(CBryDIB(decoded.block));
    if (!pixels) return Failure(path + ": cannot decode the picture");
    SourceFrame frame{pixels->width, pixels->height, {}, 0, pixels->channels == 4};
    frame.rgba.reserve(static_cast<size_t>(frame.width) * static_cast<size_t>(frame.height) * 4);
    for (size_t i = 0; i < pixels->pixels.size(); i += static_cast<size_t>(pixels->channels)) {
        frame.rgba.insert(frame.rgba.end(), pixels->pixels.begin() + static_cast<ptrdiff_t>(i),
                          pixels->pixels.begin() + static_cast<ptrdiff_t>(i) + 3);
        frame.rgba.push_back(pixels->channels == 4 ? pixels->pixels[i + 3] : 255);
    }
    SourceFrames result;
    result.frames.push_back(std::move(frame));
    return result;
}

SourceFrames ReadOnePicture(const std::string& path, bool everyGifFrame) {
    std::string why;
    const std::optional<std::vector<uint8_t>> bytes = ReadSourceFile(path, why);
    if (!bytes) return Failure(why);
    if (LooksLikeGif(bytes->data(), bytes->size())) return FromGifBytes(path, *bytes, !everyGifFrame);
    return FromPictureBytes(path, *bytes);
}

SourceFrame Cell(const SourceFrame& sheet, int left, int top, int width, int height) {
    SourceFrame cell{width, height, {}, 0, sheet.hasAlpha};
    cell.rgba.reserve(static_cast<size_t>(width) * static_cast<size_t>(height) * 4);
    for (int y = top; y < top + height; ++y) {
        const auto row = sheet.rgba.begin() + (static_cast<ptrdiff_t>(y) * sheet.width + left) * 4;
        cell.rgba.insert(cell.rgba.end(), row, row + static_cast<ptrdiff_t>(width) * 4);
    }
    return cell;
}

}  // namespace

SourceFrames ReadSpriteSheet(const std::string& path, uint32_t columns, uint32_t rows) {
    SourceFrames sheet = ReadOnePicture(path, false);
    if (sheet.frames.empty()) return sheet;
    const SourceFrame& picture = sheet.frames.front();
    if (uint64_t{columns} * rows > kMaxImportFrames) {
        return Failure(path + ": a grid of more than " + std::to_string(kMaxImportFrames) + " cells");
    }
    if (picture.width % static_cast<int64_t>(columns) != 0 || picture.height % static_cast<int64_t>(rows) != 0) {
        return Failure(path + ": a grid of " + std::to_string(columns) + "x" + std::to_string(rows) +
                       " does not divide the " + std::to_string(picture.width) + " x " + std::to_string(picture.height) +
                       " picture into equal cells");
    }
    const int cellWidth = picture.width / static_cast<int>(columns);
    const int cellHeight = picture.height / static_cast<int>(rows);
    SourceFrames result;
    for (uint32_t row = 0; row < rows; ++row) {
        for (uint32_t column = 0; column < columns; ++column) {
            result.frames.push_back(Cell(picture, static_cast<int>(column) * cellWidth, static_cast<int>(row) * cellHeight,
                                         cellWidth, cellHeight));
        }
    }
    return result;
}

SourceFrames ReadPictureFiles(const std::vector<std::string>& paths) {
    SourceFrames result;
    uint64_t bytes = 0;
    if (paths.size() == 1) return ReadOnePicture(paths.front(), true);
    if (paths.size() > kMaxImportFrames) return Failure("more than " + std::to_string(kMaxImportFrames) + " pictures");
    for (const std::string& path : paths) {
        SourceFrames one = ReadOnePicture(path, false);
        if (one.frames.empty()) return one;
        bytes += one.frames.front().rgba.size();
        if (bytes > kMaxImportBytes) {
            return Failure(path + ": the pictures would take more than " + std::to_string(kMaxImportBytes >> 20) + " MiB");
        }
        result.frames.push_back(std::move(one.frames.front()));
    }
    return result;
}
