#include "ClipboardFrames.h"

#include <cstring>
#include <memory>

#include "FrameClipboard.h"

namespace {

UINT FramesFormat() {
    static const UINT format = RegisterClipboardFormatA("Tarvel frames");
    return format;
}

// The clipboard, open for as long as the object lives.
class OpenedClipboard {
public:
    explicit OpenedClipboard(HWND owner) : m_open(OpenClipboard(owner) != FALSE) {}
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

std::vector<uint8_t> BytesOf(UINT format) {
    HANDLE memory = GetClipboardData(format);
    if (memory == nullptr) return {};
    const SIZE_T size = GlobalSize(memory);
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
    const bool framesPut = PutBytes(FramesFormat(), FramesToClipboardBytes(frames));
    if (!frames.empty() && !frames.front().image.IsEmpty()) PutBytes(CF_DIB, frames.front().image.Block());
    return framesPut;
}

std::optional<std::vector<CFrame>> FramesOnClipboard(HWND owner) {
    const OpenedClipboard clipboard(owner);
    if (!clipboard.IsOpen() || !IsClipboardFormatAvailable(FramesFormat())) return std::nullopt;
    return FramesFromClipboardBytes(BytesOf(FramesFormat()));
}

CBryDIB PictureOnClipboard(HWND owner) {
    const OpenedClipboard clipboard(owner);
    if (!clipboard.IsOpen() || !IsClipboardFormatAvailable(CF_DIB)) return CBryDIB();
    return PictureFromClipboardDib(BytesOf(CF_DIB));
}
