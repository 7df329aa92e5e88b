// The four file pickers as the running editor opens them: filters, owner, start folder.
#include <gtest/gtest.h>

#include <windows.h>

#include <filesystem>

#include "EditorFiles.h"
#include "TarvelDriver.h"
#include "TestModels.h"

using namespace tarvel_driver;

namespace {

constexpr int kFileTypes = 0x470;  // cmb1
constexpr int kLookIn = 0x471;     // cmb2

std::vector<std::string> ComboItems(HWND combo) {
    std::vector<std::string> items;
    const LRESULT count = SendMessageW(combo, CB_GETCOUNT, 0, 0);
    for (LRESULT i = 0; i < count; ++i) {
        wchar_t text[256] = {};
        SendMessageW(combo, CB_GETLBTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(text));
        char narrow[256] = {};
        WideCharToMultiByte(CP_ACP, 0, text, -1, narrow, sizeof narrow, nullptr, nullptr);
        items.emplace_back(narrow);
    }
    return items;
}

std::string ComboSelection(HWND combo) {
    const LRESULT selected = SendMessageW(combo, CB_GETCURSEL, 0, 0);
    const std::vector<std::string> items = ComboItems(combo);
    return selected >= 0 && static_cast<size_t>(selected) < items.size() ? items[static_cast<size_t>(selected)] : "";
}

// Opens a picker with a posted message, reads what it offers, cancels it.
struct Offer {
    std::vector<std::string> fileTypes;
    std::string selectedType;
    std::string folder;
};
Offer OfferOf(const TarvelProcess& tarvel, HWND target, UINT message, WPARAM wParam, HWND owner,
              const std::string& caption) {
    PostMessageA(target, message, wParam, 0);
    HWND picker = WaitForDialog(tarvel.ProcessId(), caption, owner);
    Offer offer;
    if (picker == nullptr) return offer;
    offer.fileTypes = ComboItems(GetDlgItem(picker, kFileTypes));
    offer.selectedType = ComboSelection(GetDlgItem(picker, kFileTypes));
    offer.folder = ComboSelection(GetDlgItem(picker, kLookIn));
    CancelPicker(tarvel.ProcessId(), owner, caption);
    return offer;
}

const std::vector<std::string> kCharacterTypes = {"RUX animation (*.rux)", "All Files (*.*)"};

}  // namespace

TEST(FilePickers, LoadAndSaveOfferCharacterFilesFirst) {
    const std::string folder = editor_files::Folder("pickers-characters");
    TarvelProcess tarvel(folder);
    HWND main = tarvel.MainDialog();
    const Offer load = OfferOf(tarvel, GetDlgItem(main, 1003), BM_CLICK, 0, main, "Open");
    EXPECT_EQ(load.fileTypes, kCharacterTypes);
    EXPECT_EQ(load.selectedType, kCharacterTypes[0]);
    EXPECT_EQ(load.folder, std::filesystem::path(folder).filename().string()) << "starts in the current folder";
    const Offer save = OfferOf(tarvel, GetDlgItem(main, 1002), BM_CLICK, 0, main, "Save As");
    EXPECT_EQ(save.fileTypes, kCharacterTypes);
    EXPECT_TRUE(IsWindowEnabled(main)) << "a cancelled picker changes nothing";
}

TEST(FilePickers, PicturesAndSoundsAreChosenOverTheAnimationDialog) {
    TarvelProcess tarvel(editor_files::Folder("pickers-frames"));
    const AnimationWindows w = OpenAnimationDialog(tarvel, 1004);
    const Offer image = OfferOf(tarvel, w.frame, WM_COMMAND, 32773, w.dialog, "Open");
    EXPECT_EQ(image.fileTypes, (std::vector<std::string>{"Bitmap Files (*.bmp)", "JPEG files (*.jpg)",
                                                         "Targa Files (*.tga)", "PNG Files (*.png)",
                                                         "All Files (*.*)"}));
    const Offer sound = OfferOf(tarvel, w.frame, WM_COMMAND, 32775, w.dialog, "Open");
    EXPECT_EQ(sound.fileTypes, (std::vector<std::string>{"Wave Files (*.wav)", "All Files (*.*)"}));
    EXPECT_EQ(Text(w.sound), "") << "a cancelled picker changes nothing";
}

TEST(FilePickers, APickerOpensInTheFolderOfTheFileChosenLast) {
    const std::string folder = editor_files::Folder("pickers-folders");
    const std::string characters = folder + "\\characters";
    std::filesystem::create_directories(characters);
    const std::string file = editor_files::SaveCharacter(testing_models::RichModel(), characters, "rich.rux");
    TarvelProcess tarvel(folder);
    LoadInEditor(tarvel, file);
    HWND list = GetDlgItem(tarvel.MainDialog(), 1007);
    SendMessageA(list, LB_SETCURSEL, 0, 0);
    const AnimationWindows w = OpenAnimationDialog(tarvel, 1005);
    const Offer image = OfferOf(tarvel, w.frame, WM_COMMAND, 32773, w.dialog, "Open");
    EXPECT_EQ(image.folder, "characters");
}
