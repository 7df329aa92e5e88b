#include "ClipboardFrames.h"

#include <cstring>
#include <memory>

#include "FrameClipboard.h"

namespace {

// The frames after their length (blocks of the earlier layout, without one, have another name).
UINT FramesFormat() {
    static const UINT format = RegisterClipboardFormatA("Tarvel frames 2");
    return format;
}

// Another program may hold the clipboard open for a moment (clipboard managers read every
// change): a few tries over about a quarter of a second.
bool OpenClipboardSoon(HWND owner) {
    for (int attempt = 0; attempt < 12; ++attempt) {
        if (OpenClipboard(owner)) return true;
        Sleep(20);
    }
    return false;
}

// The clipboard, open for as long as the object lives.
class OpenedClipboard {
public:
    explicit OpenedClipboard(HWND owner) : m_open(OpenClipboardSoon(owner)) {}
    OpenedClipboard(const OpenedClipboard&) = delete;
    OpenedClipboard& operator=(const OpenedClipboard&) = delete;
    ~OpenedClipboard() {
        if (m_open) CloseClipboard();
    }
    bool IsOpen() const { return m_open; }

private:
    bool m_open;
};

struct GlobalFreer {
    void operator()(void* memory) const { GlobalFree(memory); }
};
using UniqueGlobal = std::unique_ptr<void, GlobalFreer>;

// Hands the bytes to the clipboard, which owns them once it took them.
bool PutBytes(UINT format, const std::vector<uint8_t>& bytes) {
    UniqueGlobal memory(GlobalAlloc(GMEM_MOVEABLE, bytes.size()));
    if (!memory) return false;
    void* at = GlobalLock(memory.get());
    if (at == nullptr) return false;
    std::memcpy(at, bytes.data(), bytes.size());
    GlobalUnlock(memory.get());
    if (SetClipboardData(format, memory.get()) == nullptr) return false;
    memory.release();
    return true;
}

// A copy of the format's block; nothing for a block larger than any the editor takes.
std::vector<uint8_t> BytesOf(UINT format) {
    HANDLE memory = GetClipboardData(format);
    if (memory == nullptr) return {};
    const SIZE_T size = GlobalSize(memory);
    if (size > kMostClipboardBytes) return {};
    const void* at = GlobalLock(memory);
    if (at == nullptr) return {};
    const auto* bytes = static_cast<const uint8_t*>(at);
    std::vector<uint8_t> copy(bytes, bytes + size);
    GlobalUnlock(memory);
    return copy;
}

}  // namespace

bool PutFramesOnClipboard(HWND owner, const std::vector<CFrame>& frames) {
    const OpenedClipboard clipboard(owner);
    if (!clipboard.IsOpen() || !EmptyClipboard()) return false;
    const bool framesPut = PutBytes(FramesFormat(), ClipboardBlock(FramesToClipboardBytes(frames)));
    if (!frames.empty() && !frames.front().image.IsEmpty()) PutBytes(CF_DIB, frames.front().image.Block());
    return framesPut;
}

std::optional<std::vector<CFrame>> FramesOnClipboard(HWND owner) {
    const OpenedClipboard clipboard(owner);
    if (!clipboard.IsOpen() || !IsClipboardFormatAvailable(FramesFormat())) return std::nullopt;
    const auto contents = ClipboardBlockContents(BytesOf(FramesFormat()));
    return contents ? FramesFromClipboardBytes(*contents) : std::nullopt;
}

PastedPicture PictureOnClipboard(HWND owner) {
    if (!IsClipboardFormatAvailable(CF_DIB)) return {};
    const OpenedClipboard clipboard(owner);
    if (!clipboard.IsOpen()) return {CBryDIB(), "The clipboard is in use by another program. Try again."};
    if (const HANDLE memory = GetClipboardData(CF_DIB); memory != nullptr && GlobalSize(memory) > kMostClipboardBytes)
        return {CBryDIB(), "The picture on the clipboard is larger than any frame can be."};
    return PictureFromClipboardDib(BytesOf(CF_DIB));
}
