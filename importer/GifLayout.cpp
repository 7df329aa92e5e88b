#include "GifLayout.h"

namespace {

class BlockReader {
public:
    BlockReader(const uint8_t* data, size_t size) : m_data(data), m_size(size) {}
    bool Has(size_t count) const { return m_size - m_offset >= count; }
    uint8_t Byte() { return m_data[m_offset++]; }
    int Word() {
        const int low = m_data[m_offset], high = m_data[m_offset + 1];
        m_offset += 2;
        return low | high << 8;
    }
    bool Skip(size_t count) {
        if (!Has(count)) return false;
        m_offset += count;
        return true;
    }
    // Data sub-blocks up to the empty one; a graphic control block's disposal is kept.
    bool SkipSubBlocks(int* disposal = nullptr) {
        for (;;) {
            if (!Has(1)) return false;
            const uint8_t length = Byte();
            if (length == 0) return true;
            if (!Has(length)) return false;
            if (disposal != nullptr && length >= 4) *disposal = m_data[m_offset] >> 2 & 7;
            disposal = nullptr;
            m_offset += length;
        }
    }

private:
    const uint8_t* m_data;
    size_t m_size;
    size_t m_offset = 0;
};

size_t TableBytes(uint8_t flags) { return flags & 0x80 ? size_t{3} << ((flags & 7) + 1) : 0; }

}  // namespace

GifLayout ScanGifLayout(const uint8_t* data, size_t size) {
    GifLayout layout;
    BlockReader in(data, size);
    if (!in.Skip(6) || !in.Has(7)) return layout.error = "cut short in its header", layout;
    layout.width = in.Word();
    layout.height = in.Word();
    const uint8_t flags = in.Byte();
    const bool globalTable = (flags & 0x80) != 0;
    if (!in.Skip(2) || !in.Skip(TableBytes(flags))) return layout.error = "cut short in its colour table", layout;
    int disposal = 0;
    for (;;) {
        if (!in.Has(1)) return layout.error = "cut short before its end", layout;
        const uint8_t introducer = in.Byte();
        if (introducer == 0x3B) return layout;
        if (introducer == 0x21) {
            if (!in.Has(1)) return layout.error = "cut short in an extension", layout;
            const bool control = in.Byte() == 0xF9;
            if (!in.SkipSubBlocks(control ? &disposal : nullptr)) return layout.error = "cut short in an extension", layout;
        } else if (introducer == 0x2C) {
            if (!in.Has(9)) return layout.error = "cut short in a frame", layout;
            GifFrameLayout frame;
            frame.left = in.Word();
            frame.top = in.Word();
            frame.width = in.Word();
            frame.height = in.Word();
            const uint8_t frameFlags = in.Byte();
            frame.hasColours = globalTable || (frameFlags & 0x80) != 0;
            frame.disposal = disposal;
            disposal = 0;
            if (!in.Skip(TableBytes(frameFlags)) || !in.Skip(1) || !in.SkipSubBlocks()) {
                return layout.error = "cut short in a frame", layout;
            }
            layout.frames.push_back(frame);
        } else {
            return layout.error = "unexpected record in the GIF", layout;
        }
    }
}
