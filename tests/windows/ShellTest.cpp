// The Windows side of the library: drawing onto device contexts, palettes, and the DLL's exports.
#include <gtest/gtest.h>

#include <windows.h>

#include "CBryDIB.h"
#include "PictureDecoder.h"
#include "win32/DibGdi.h"

namespace {

// A 24-bit memory bitmap selected into a memory DC, for drawing and reading back.
class MemoryCanvas {
public:
    MemoryCanvas(int width, int height) : m_dc(CreateCompatibleDC(nullptr)) {
        BITMAPINFO info{};
        info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
        info.bmiHeader.biWidth = width;
        info.bmiHeader.biHeight = -height;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        void* bits = nullptr;
        m_bitmap = CreateDIBSection(m_dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
        m_previous = SelectObject(m_dc, m_bitmap);
        RECT all{0, 0, width, height};
        HBRUSH grey = CreateSolidBrush(RGB(175, 175, 175));
        FillRect(m_dc, &all, grey);
        DeleteObject(grey);
    }
    MemoryCanvas(const MemoryCanvas&) = delete;
    MemoryCanvas& operator=(const MemoryCanvas&) = delete;
    ~MemoryCanvas() {
        SelectObject(m_dc, m_previous);
        DeleteObject(m_bitmap);
        DeleteDC(m_dc);
    }
    HDC Dc() const { return m_dc; }

private:
    HDC m_dc;
    HBITMAP m_bitmap = nullptr;
    HGDIOBJ m_previous = nullptr;
};

template <class Function>
Function ProcAddress(HMODULE module, const char* name) {
    return reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(module, name)));
}

}  // namespace

TEST(WindowsDraw, PictureLandsUprightAtItsDestination) {
    std::vector<uint8_t> rgb(4 * 3 * 3, 0);
    for (size_t i = 0; i < rgb.size(); i += 3) rgb[i] = 200;  // red everywhere
    rgb[0] = 0;
    rgb[1] = 255;  // top-left pixel green
    const CBryDIB image(DibFromPixels(rgb.data(), 4, 3, 3));
    MemoryCanvas canvas(10, 10);
    DrawPicture(canvas.Dc(), image, 2, 5);
    EXPECT_EQ(GetPixel(canvas.Dc(), 2, 5), RGB(0, 255, 0));
    EXPECT_EQ(GetPixel(canvas.Dc(), 5, 7), RGB(200, 0, 0));
    EXPECT_EQ(GetPixel(canvas.Dc(), 1, 5), RGB(175, 175, 175));
    EXPECT_EQ(GetPixel(canvas.Dc(), 2, 8), RGB(175, 175, 175));
}

TEST(WindowsDraw, PalettesComeFromTheColourTable) {
    std::vector<uint8_t> rgb(2 * 2 * 3, 90);
    EXPECT_EQ(CreatePictureGdiPalette(CBryDIB(DibFromPixels(rgb.data(), 2, 2, 3))).Get(), nullptr);
    // 2 x 1 pixels, 8 bits, two colours (red, blue), pixel indices 0 and 1.
    const uint8_t bytes[] = {40, 0, 0, 0, 2, 0, 0, 0, 1, 0, 0, 0, 1, 0, 8, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,
                             0, 0, 0, 0, 2, 0, 0, 0, 0, 0, 0, 0, 0, 0, 255, 0, 255, 0, 0, 0, 0, 1, 0, 0};
    const std::vector<uint8_t> block(std::begin(bytes), std::end(bytes));
    const CBryDIB paletted(block);
    const GdiPalette palette = CreatePictureGdiPalette(paletted);
    ASSERT_NE(palette.Get(), nullptr);
    PALETTEENTRY entries[2]{};
    ASSERT_EQ(GetPaletteEntries(palette.Get(), 0, 2, entries), 2u);
    EXPECT_EQ(entries[0].peRed, 255);
    EXPECT_EQ(entries[1].peBlue, 255);
    MemoryCanvas canvas(4, 4);
    DrawPicture(canvas.Dc(), paletted, 0, 0, palette.Get());
    EXPECT_EQ(GetPixel(canvas.Dc(), 0, 0), RGB(255, 0, 0));
    EXPECT_EQ(GetPixel(canvas.Dc(), 1, 0), RGB(0, 0, 255));
}

TEST(ComponentServer, LoadsAndRefusesUnknownClasses) {
    HMODULE module = LoadLibraryA("VimroGE.dll");
    ASSERT_NE(module, nullptr) << "VimroGE.dll beside the test";
    using GetClassObject = HRESULT(__stdcall*)(REFCLSID, REFIID, void**);
    using CanUnload = HRESULT(__stdcall*)();
    auto getClassObject = ProcAddress<GetClassObject>(module, "DllGetClassObject");
    auto canUnload = ProcAddress<CanUnload>(module, "DllCanUnloadNow");
    ASSERT_NE(getClassObject, nullptr);
    ASSERT_NE(canUnload, nullptr);
    void* object = reinterpret_cast<void*>(1);
    EXPECT_EQ(getClassObject(IID_IUnknown, IID_IClassFactory, &object), CLASS_E_CLASSNOTAVAILABLE);
    EXPECT_EQ(object, nullptr);
    EXPECT_EQ(canUnload(), S_OK);
    FreeLibrary(module);
}
