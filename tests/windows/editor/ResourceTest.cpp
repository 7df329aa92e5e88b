// Tarvel.exe's resources as the program carries them: dialogs, the popup menus with their
// command identifiers, the About string and the icon.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

namespace {

// Tarvel.exe beside the test, loaded as data only.
class TarvelResources {
public:
    TarvelResources() {
        char path[MAX_PATH] = {};
        GetModuleFileNameA(nullptr, path, MAX_PATH);
        std::string program = path;
        program = program.substr(0, program.find_last_of("\\/") + 1) + "Tarvel.exe";
        m_module = LoadLibraryExA(program.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    }
    TarvelResources(const TarvelResources&) = delete;
    TarvelResources& operator=(const TarvelResources&) = delete;
    ~TarvelResources() {
        if (m_module != nullptr) FreeLibrary(m_module);
    }
    HMODULE Module() const { return m_module; }

private:
    HMODULE m_module = nullptr;
};

struct MenuItem {
    UINT id;  // 0 for a separator
    std::string text;
};

std::vector<MenuItem> Items(HMENU menu) {
    std::vector<MenuItem> items;
    for (int i = 0; i < GetMenuItemCount(menu); ++i) {
        char text[128] = {};
        GetMenuStringA(menu, static_cast<UINT>(i), text, sizeof text, MF_BYPOSITION);
        const UINT id = GetMenuItemID(menu, i);
        items.push_back({id == static_cast<UINT>(-1) ? 0 : id, text});
    }
    return items;
}

bool operator==(const MenuItem& a, const MenuItem& b) { return a.id == b.id && a.text == b.text; }

}  // namespace

TEST(TarvelResources, EveryDialogTemplateIsThere) {
    TarvelResources tarvel;
    ASSERT_NE(tarvel.Module(), nullptr);
    for (int id : {100, 102, 130, 131, 132})
        EXPECT_NE(FindResourceA(tarvel.Module(), MAKEINTRESOURCEA(id), MAKEINTRESOURCEA(5)), nullptr) << id;
    EXPECT_NE(FindResourceA(tarvel.Module(), MAKEINTRESOURCEA(128), MAKEINTRESOURCEA(14)), nullptr) << "icon 128";
}

TEST(TarvelResources, IconHasTheTwoStandardSizes) {
    TarvelResources tarvel;
    ASSERT_NE(tarvel.Module(), nullptr);
    for (int size : {32, 16}) {
        HICON icon = static_cast<HICON>(
            LoadImageA(tarvel.Module(), MAKEINTRESOURCEA(128), IMAGE_ICON, size, size, LR_DEFAULTCOLOR));
        ASSERT_NE(icon, nullptr) << size;
        ICONINFO info{};
        ASSERT_TRUE(GetIconInfo(icon, &info));
        BITMAP colour{};
        GetObjectA(info.hbmColor, sizeof colour, &colour);
        EXPECT_EQ(colour.bmWidth, size);
        DeleteObject(info.hbmColor);
        DeleteObject(info.hbmMask);
        DestroyIcon(icon);
    }
}

TEST(TarvelResources, TheFrameMenuHoldsTwoPopupsWithTheirCommands) {
    TarvelResources tarvel;
    ASSERT_NE(tarvel.Module(), nullptr);
    HMENU menu = LoadMenuA(tarvel.Module(), MAKEINTRESOURCEA(129));
    ASSERT_NE(menu, nullptr);
    ASSERT_EQ(GetMenuItemCount(menu), 2);
    EXPECT_EQ(Items(menu)[0].text, "Frame");
    EXPECT_EQ(Items(menu)[1].text, "Origins");
    EXPECT_EQ(Items(GetSubMenu(menu, 0)), (std::vector<MenuItem>{{32771, "Insert new"},
                                                                 {32772, "Delete frame"},
                                                                 {0, ""},
                                                                 {32773, "Open image"},
                                                                 {0, ""},
                                                                 {32775, "Insert Sound"},
                                                                 {32776, "Drop Sound"},
                                                                 {0, ""},
                                                                 {32777, "Duplicate frame\tCtrl+D"},
                                                                 {32778, "Move earlier\tCtrl+PgUp"},
                                                                 {32779, "Move later\tCtrl+PgDn"}}));
    EXPECT_EQ(Items(GetSubMenu(menu, 1)), (std::vector<MenuItem>{{32774, "Create New Character Origin"}}));
    DestroyMenu(menu);
}

TEST(TarvelResources, TheAboutItemText) {
    TarvelResources tarvel;
    ASSERT_NE(tarvel.Module(), nullptr);
    char text[64] = {};
    ASSERT_GT(LoadStringA(tarvel.Module(), 101, text, sizeof text), 0);
    EXPECT_STREQ(text, "&About Tarvel...");
}
