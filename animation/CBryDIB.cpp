#include "CBryDIB.h"

#include <algorithm>
#include <utility>

#include "CFileReader.h"
#include "CFileWriter.h"
#include "DibHeader.h"
#include "DibPixelReader.h"
#include "LoadTrace.h"
#include "PictureOpacity.h"
#include "PictureDecoder.h"
#include "StreamTransfer.h"
#include "Surface.h"

namespace {

constexpr size_t kPieceSize = 32768;

bool HasNoArea(const std::vector<uint8_t>& block) {
    const DibHeader header = ParseDibHeader(block.data(), block.size());
    return header.width == 0 || header.height == 0;
}

// The claimed size is checked against the bytes held (the pixel reader) and the bound.
bool IsDrawableBlock(const std::vector<uint8_t>& block) {
    if (block.empty() || !DibPixelReader(block).Readable()) return false;
    const DibHeader header = ParseDibHeader(block.data(), block.size());
    return header.width <= kMaxPictureSide && DibRowCount(header) <= static_cast<uint32_t>(kMaxPictureSide);
}

// Writes the bytes in pieces of 32768 followed by the remainder.
bool WriteInPieces(CFileWriter& writer, const uint8_t* bytes, size_t count) {
    for (size_t done = 0; done < count; done += kPieceSize) {
        if (!writer.Write(bytes + done, std::min(kPieceSize, count - done))) return false;
    }
    return true;
}

bool WriteZeros(CFileWriter& writer, size_t count) {
    static const uint8_t zeros[kPieceSize] = {};
    for (size_t done = 0; done < count; done += kPieceSize) {
        if (!writer.Write(zeros, std::min(kPieceSize, count - done))) return false;
    }
    return true;
}

bool ReadInPieces(CFileReader& reader, uint8_t* bytes, size_t count) {
    for (size_t done = 0; done < count; done += kPieceSize) {
        if (!reader.Read(bytes + done, std::min(kPieceSize, count - done))) return false;
    }
    return true;
}

}  // namespace

std::vector<uint8_t> EmptyImageBlock() { return EncodeDibHeader(MakeDibHeader(0, 0, 32)); }

CBryDIB::CBryDIB(std::vector<uint8_t> block) { Take(std::move(block)); }

// A picture moved from is empty, and so not drawable.
CBryDIB::CBryDIB(CBryDIB&& other) noexcept
    : m_block(std::move(other.m_block)),
      m_drawable(std::exchange(other.m_drawable, false)),
      m_opacity(std::exchange(other.m_opacity, false)) {
    other.m_block.clear();
}

CBryDIB& CBryDIB::operator=(CBryDIB&& other) noexcept {
    if (this == &other) return *this;
    m_block = std::move(other.m_block);
    m_drawable = std::exchange(other.m_drawable, false);
    m_opacity = std::exchange(other.m_opacity, false);
    other.m_block.clear();
    return *this;
}

// Every block the picture holds comes through here, so the verdict is made once per block.
void CBryDIB::Take(std::vector<uint8_t> block) {
    m_block.clear();
    if (!HasNoArea(block)) m_block = std::move(block);
    m_drawable = IsDrawableBlock(m_block);
    m_opacity = m_drawable && DibPixelReader(m_block).HasOpacity();
}

int32_t CBryDIB::DrawnWidth() const { return m_drawable ? width() : 0; }

int32_t CBryDIB::DrawnRows() const { return m_drawable ? RowCount() : 0; }

int32_t CBryDIB::width() const { return IsEmpty() ? 0 : ParseDibHeader(m_block.data(), m_block.size()).width; }

int32_t CBryDIB::height() const { return IsEmpty() ? 0 : ParseDibHeader(m_block.data(), m_block.size()).height; }

int32_t CBryDIB::RowCount() const {
    return IsEmpty() ? 0 : static_cast<int32_t>(DibRowCount(ParseDibHeader(m_block.data(), m_block.size())));
}

uint16_t CBryDIB::BitCount() const {
    return IsEmpty() ? 0 : ParseDibHeader(m_block.data(), m_block.size()).bitCount;
}

uint32_t CBryDIB::BlockSize() const {
    if (IsEmpty()) return kDibHeaderSize;
    const std::optional<uint32_t> computed = ComputedBlockSize(ParseDibHeader(m_block.data(), m_block.size()));
    return computed ? *computed : static_cast<uint32_t>(m_block.size());
}

bool CBryDIB::MatchesHeader() const {
    if (IsEmpty()) return true;
    const std::optional<uint32_t> computed = ComputedBlockSize(ParseDibHeader(m_block.data(), m_block.size()));
    return computed && *computed == m_block.size() && DibPixelReader(m_block).Readable();
}

bool CBryDIB::WriteTo(CFileWriter& writer) const {
    if (IsEmpty()) {
        const std::vector<uint8_t> header = EmptyImageBlock();
        return WriteU32(writer, static_cast<uint32_t>(header.size())) && writer.Write(header.data(), header.size());
    }
    const uint32_t size = BlockSize();
    const size_t held = std::min<size_t>(size, m_block.size());
    return WriteU32(writer, size) && WriteInPieces(writer, m_block.data(), held) &&
           WriteZeros(writer, size - held);
}

bool CBryDIB::ReadFrom(CFileReader& reader) {
    const uint64_t offset = reader.Offset();
    uint32_t size = 0;
    if (!ReadU32(reader, size)) return false;
    if (size > reader.Remaining()) {
        reader.Fail();
        return false;
    }
    std::vector<uint8_t> block(size);
    if (!ReadInPieces(reader, block.data(), block.size())) return false;
    if (LoadTrace* trace = reader.Trace()) {
        LoadTrace::ImageBlockSite site;
        site.offset = offset;
        site.storedSize = size;
        const std::optional<uint32_t> expected = ComputedBlockSize(ParseDibHeader(block.data(), block.size()));
        site.expectedSize = expected.value_or(0);
        site.headerUsable = HasNoArea(block) ? size == kDibHeaderSize : DibPixelReader(block).Readable();
        site.animation = trace->currentAnimation;
        site.frame = trace->currentFrame;
        trace->imageBlocks.push_back(site);
    }
    Take(std::move(block));
    return true;
}

bool CBryDIB::LoadPicture(const std::string& path) {
    if (path.empty()) return false;
    DecodedPicture picture = DecodePictureFile(path);
    if (picture.block.empty()) return false;
    Take(std::move(picture.block));
    return true;
}

std::vector<PaletteEntry> CBryDIB::Palette() const {
    std::vector<PaletteEntry> entries;
    const DibHeader header = ParseDibHeader(m_block.data(), m_block.size());
    if (IsEmpty() || header.bitCount > 8 || m_block.size() <= kDibHeaderSize) return entries;
    const uint64_t available = (m_block.size() - kDibHeaderSize) / 4;
    const uint64_t count = std::min<uint64_t>({ColourTableBytes(header) / 4, available, 256});
    for (uint64_t i = 0; i < count; ++i) {
        const uint8_t* entry = m_block.data() + kDibHeaderSize + 4 * i;
        entries.push_back(PaletteEntry{entry[2], entry[1], entry[0]});
    }
    return entries;
}

template <class RowFinish>
void CBryDIB::DrawRows(Surface& surface, int x, int y, RowFinish finish) const {
    if (!m_drawable) return;
    const DibPixelReader pixels(m_block);
    const int64_t left = std::max<int64_t>(x, 0);
    const int64_t right = std::min<int64_t>(int64_t{x} + pixels.Width(), surface.Width());
    const int64_t top = std::max<int64_t>(y, 0);
    const int64_t bottom = std::min<int64_t>(int64_t{y} + pixels.Rows(), surface.Height());
    if (left >= right || top >= bottom) return;
    const int count = static_cast<int>(right - left);
    for (int64_t row = top; row < bottom; ++row) {
        uint32_t* out = surface.Row(static_cast<int>(row)) + left;
        pixels.ReadRow(static_cast<int>(row - y), static_cast<int>(left - x), count, out);
        finish(out, count);
    }
}

void CBryDIB::Draw(Surface& surface, int x, int y) const {
    DrawRows(surface, x, y, [](uint32_t* out, int count) {
        for (int i = 0; i < count; ++i) out[i] &= 0x00FFFFFFu;
    });
}

void CBryDIB::DrawPremultiplied(Surface& surface, int x, int y, uint32_t keyColour) const {
    if (m_opacity) {
        DrawRows(surface, x, y, [](uint32_t* out, int count) { PremultiplyRow(out, count); });
    } else {
        DrawRows(surface, x, y, [keyColour](uint32_t* out, int count) { PremultiplyKeyedRow(out, count, keyColour); });
    }
}
