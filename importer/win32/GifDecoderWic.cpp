// GIF reading through the Windows Imaging Component: its decoder hands over each stored frame's
// rectangle, indices (rows in display order) and table; GifCanvas composes them.
#include <propidl.h>

#include "GifCanvas.h"
#include "GifDecoder.h"
#include "WicFactory.h"

namespace {

// A property that clears itself.
struct Property {
    PROPVARIANT value;
    Property() { PropVariantInit(&value); }
    Property(const Property&) = delete;
    Property& operator=(const Property&) = delete;
    ~Property() { PropVariantClear(&value); }
};

// A number from the metadata, or fallback when the file does not hold it.
unsigned MetadataNumber(IWICMetadataQueryReader* reader, const wchar_t* name, unsigned fallback) {
    Property property;
    if (reader == nullptr || FAILED(reader->GetMetadataByName(name, &property.value))) return fallback;
    switch (property.value.vt) {
        case VT_UI1: return property.value.bVal;
        case VT_UI2: return property.value.uiVal;
        case VT_UI4: return property.value.ulVal;
        case VT_BOOL: return property.value.boolVal != VARIANT_FALSE ? 1u : 0u;
        default: return fallback;
    }
}

std::string Failure(const char* what, HRESULT result) {
    char code[16];
    wsprintfA(code, "%08lX", static_cast<unsigned long>(result));
    return std::string(what) + " (error 0x" + code + ")";
}

class WicGifReader {
public:
    WicGifReader(IWICImagingFactory& factory, const GifLimits& limits, GifPicture& out)
        : m_factory(factory), m_limits(limits), m_out(out) {}

    void Read(const uint8_t* data, size_t size);

private:
    bool Open(const uint8_t* data, size_t size);
    bool ReadFrame(GifCanvas& canvas, UINT number, bool& more);
    bool ReadTable(IWICBitmapFrameDecode& frame, std::vector<uint32_t>& colours);
    bool Fail(const std::string& why) {
        m_out.error = why;
        m_out.frames.clear();
        return false;
    }

    IWICImagingFactory& m_factory;
    const GifLimits& m_limits;
    GifPicture& m_out;
    ComRef<IWICStream> m_stream;
    ComRef<IWICBitmapDecoder> m_decoder;
};

bool WicGifReader::Open(const uint8_t* data, size_t size) {
    const uint64_t bytes = size;  // a DWORD holds the length (always, in 32-bit builds)
    if (bytes > 0xFFFFFFFFu) return Fail("the GIF is too large");
    HRESULT result = m_factory.CreateStream(m_stream.out());
    // The stream only reads the bytes, which outlive it.
    if (SUCCEEDED(result)) result = m_stream->InitializeFromMemory(const_cast<BYTE*>(data), static_cast<DWORD>(size));
    if (SUCCEEDED(result)) result = m_factory.CreateDecoder(GUID_ContainerFormatGif, nullptr, m_decoder.out());
    if (SUCCEEDED(result)) result = m_decoder->Initialize(m_stream.get(), WICDecodeMetadataCacheOnDemand);
    return SUCCEEDED(result) || Fail(Failure("not a readable GIF", result));
}

void WicGifReader::Read(const uint8_t* data, size_t size) {
    // The platform's decoder may decode every frame when opening, so the limits come first.
    if (!GifCanvas::AdmitsLayout(ScanGifLayout(data, size), m_limits, m_out) || !Open(data, size)) return;
    ComRef<IWICMetadataQueryReader> screen;
    m_decoder->GetMetadataQueryReader(screen.out());
    const int width = static_cast<int>(MetadataNumber(screen.get(), L"/logscrdesc/Width", 0));
    const int height = static_cast<int>(MetadataNumber(screen.get(), L"/logscrdesc/Height", 0));
    if (!GifCanvas::Admits(width, height, m_limits, m_out)) return;
    UINT count = 0;
    const HRESULT counted = m_decoder->GetFrameCount(&count);
    if (FAILED(counted)) return static_cast<void>(Fail(Failure("cannot count the GIF's frames", counted)));
    GifCanvas canvas(width, height, m_limits, m_out);
    bool more = true;
    for (UINT number = 0; number < count && more; ++number) {
        if (!ReadFrame(canvas, number, more)) return;
    }
    canvas.Finish();
}

bool WicGifReader::ReadFrame(GifCanvas& canvas, UINT number, bool& more) {
    ComRef<IWICBitmapFrameDecode> frame;
    HRESULT result = m_decoder->GetFrame(number, frame.out());
    if (FAILED(result)) return Fail(Failure(("cannot read frame " + std::to_string(number + 1)).c_str(), result));
    ComRef<IWICMetadataQueryReader> metadata;
    frame->GetMetadataQueryReader(metadata.out());
    IWICMetadataQueryReader* reader = metadata.get();
    GifStoredFrame stored;
    stored.left = static_cast<int>(MetadataNumber(reader, L"/imgdesc/Left", 0));
    stored.top = static_cast<int>(MetadataNumber(reader, L"/imgdesc/Top", 0));
    UINT width = 0, height = 0;
    frame->GetSize(&width, &height);
    stored.width = static_cast<int>(width);
    stored.height = static_cast<int>(height);
    stored.disposal = static_cast<int>(MetadataNumber(reader, L"/grctlext/Disposal", 0));
    stored.delayCentiseconds = MetadataNumber(reader, L"/grctlext/Delay", 0);
    if (MetadataNumber(reader, L"/grctlext/TransparencyFlag", 0) != 0) {
        stored.transparentIndex = static_cast<int>(MetadataNumber(reader, L"/grctlext/TransparentColorIndex", 0));
    }
    const bool hasTable = ReadTable(*frame.get(), stored.colours);
    if (!canvas.Accepts(stored.left, stored.top, stored.width, stored.height, hasTable, stored.disposal)) return false;
    WICPixelFormatGUID format{};
    frame->GetPixelFormat(&format);
    if (!IsEqualGUID(format, GUID_WICPixelFormat8bppIndexed)) return Fail("frame " + std::to_string(number + 1) + " is not indexed");
    stored.indices.assign(static_cast<size_t>(width) * height, 0);
    result = frame->CopyPixels(nullptr, width, static_cast<UINT>(stored.indices.size()), stored.indices.data());
    if (FAILED(result)) return Fail(Failure(("cannot decode frame " + std::to_string(number + 1)).c_str(), result));
    more = canvas.Add(stored);
    return true;
}

bool WicGifReader::ReadTable(IWICBitmapFrameDecode& frame, std::vector<uint32_t>& colours) {
    ComRef<IWICPalette> palette;
    UINT count = 0;
    if (FAILED(m_factory.CreatePalette(palette.out())) || FAILED(frame.CopyPalette(palette.get())) ||
        FAILED(palette->GetColorCount(&count)) || count == 0 || count > 256) {
        return false;
    }
    WICColor table[256] = {};
    UINT copied = 0;
    if (FAILED(palette->GetColors(count, table, &copied))) return false;
    for (UINT i = 0; i < copied; ++i) colours.push_back(table[i] & 0xFFFFFFu);
    return copied > 0;
}

}  // namespace

bool GifSupported() { return true; }

GifPicture DecodeGif(const uint8_t* data, size_t size, const GifLimits& limits) {
    GifPicture picture;
    const WicFactory factory;
    if (factory.get() == nullptr) {
        picture.error = "the Windows Imaging Component is not available";
        return picture;
    }
    WicGifReader(*factory.get(), limits, picture).Read(data, size);
    return picture;
}
