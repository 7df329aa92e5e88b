#pragma once
// A frame's picture: one packed device-independent bitmap (header, colour table, pixel rows).
#include <cstdint>
#include <string>
#include <vector>

class CFileReader;
class CFileWriter;
class Surface;

struct PaletteEntry {
    uint8_t red = 0, green = 0, blue = 0;
};

class CBryDIB {
public:
    CBryDIB() = default;
    CBryDIB(const CBryDIB&) = default;
    CBryDIB(CBryDIB&& other) noexcept;
    CBryDIB& operator=(const CBryDIB&) = default;
    CBryDIB& operator=(CBryDIB&& other) noexcept;
    virtual ~CBryDIB() = default;

    // Takes a packed DIB; a block whose header has zero width or height leaves the image empty.
    explicit CBryDIB(std::vector<uint8_t> block);

    bool IsEmpty() const { return m_block.empty(); }
    int32_t width() const;
    int32_t height() const;
    int32_t RowCount() const;  // |height|
    uint16_t BitCount() const;
    const std::vector<uint8_t>& Block() const { return m_block; }

    // Whether the picture can be drawn: uncompressed (or bit fields) in a known depth, every
    // byte its header claims held, and no side longer than kMaxPictureSide. Decided once, when
    // the block is taken; width() and height() still tell what the header claims.
    bool IsDrawable() const { return m_drawable; }
    // The picture's size when drawable, 0 x 0 otherwise: what anything sized by the picture
    // (surfaces, frame rectangles) must use.
    int32_t DrawnWidth() const;
    // Whether the drawable picture carries straight opacity in its fourth bytes: 32 bits,
    // uncompressed, and not every fourth byte 0 (all 0 means opaque, keyed as other depths).
    bool HasOpacity() const { return m_opacity; }
    int32_t DrawnRows() const;

    // The size the block is stored with: computed from its header (40 + colour table + rows),
    // or the held size when the header makes no sense. An empty image is a 40-byte header.
    uint32_t BlockSize() const;
    // Whether the held bytes are exactly what the header calls for.
    bool MatchesHeader() const;

    // The image block: 32-bit size, then that many bytes (padded with zeros when the held
    // block is shorter than its header says). An empty image writes a 0 x 0 header.
    bool WriteTo(CFileWriter& writer) const;
    // Reads an image block into this (empty) image; sizes beyond the file fail before allocating.
    bool ReadFrom(CFileReader& reader);

    // Decodes a BMP, JPEG, Targa or PNG file; on failure the image stays as it was.
    bool LoadPicture(const std::string& path);

    // Colour table entries (for bitmaps of 8 bits or fewer); empty otherwise.
    std::vector<PaletteEntry> Palette() const;

    // Draws the whole picture with its top-left corner at (x, y), clipped to the surface.
    // A picture that is not drawable draws nothing.
    void Draw(Surface& surface, int x, int y) const;
    // The same in premultiplied 0xAARRGGBB: a picture with opacity keeps it; one without is
    // opaque except for the key colour, which becomes fully transparent.
    void DrawPremultiplied(Surface& surface, int x, int y, uint32_t keyColour) const;

    friend bool operator==(const CBryDIB& a, const CBryDIB& b) { return a.m_block == b.m_block; }

private:
    void Take(std::vector<uint8_t> block);
    // Reads the clipped picture into the surface row by row, then hands each row to finish.
    template <class RowFinish>
    void DrawRows(Surface& surface, int x, int y, RowFinish finish) const;

    std::vector<uint8_t> m_block;
    bool m_drawable = false;
    bool m_opacity = false;
};

// The 40-byte header stored for a frame without a picture.
std::vector<uint8_t> EmptyImageBlock();
