// The installed-file list at its worst: missing, corrupt and truncated files, paths too long
// for the read buffer, gaps, and a key that cannot be opened. Every call answers with its
// reported error, nothing crashes, and every value of the list is still there afterwards.
#include <gtest/gtest.h>

#include <windows.h>

#include <fstream>

#include "Bstr.h"
#include "ComTestSupport.h"

using namespace component_tests;

namespace {

constexpr const char* kListKey = "Software\\Orvane\\RUX";

template <class Interface>
com::ComPtr<Interface> Create(const wchar_t* progId) {
    CLSID classId{};
    com::ComPtr<Interface> object;
    if (SUCCEEDED(CLSIDFromProgID(progId, &classId)))
        CoCreateInstance(classId, nullptr, CLSCTX_INPROC_SERVER, __uuidof(Interface), object.PutVoid());
    return object;
}

// A path to the existing file of exactly length characters, padded with ".\" folders.
std::string PathOfLength(const std::string& file, size_t length) {
    const size_t slash = file.find_last_of('\\');
    std::string folder = file.substr(0, slash + 1);
    const std::string name = file.substr(slash + 1);
    while (folder.size() + name.size() + 2 <= length) folder += ".\\";
    std::string path = folder + name;
    if (path.size() < length) path.insert(slash + 1, length - path.size(), '\\');  // doubled separators
    return path;
}

// Every File_n value of the key, gaps included (up to File_40).
std::vector<std::pair<int, std::string>> RawValues() {
    std::vector<std::pair<int, std::string>> values;
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, kListKey, 0, KEY_READ, &key) != ERROR_SUCCESS) return values;
    for (int i = 1; i <= 40; ++i) {
        char buffer[1024] = {};
        DWORD size = sizeof(buffer) - 1;
        const std::string name = "File_" + std::to_string(i);
        if (RegQueryValueExA(key, name.c_str(), nullptr, nullptr, reinterpret_cast<BYTE*>(buffer), &size) == 0)
            values.emplace_back(i, std::string(buffer, strnlen(buffer, size)));
    }
    RegCloseKey(key);
    return values;
}

DWORD ValueSize(int index) {
    HKEY key = nullptr;
    DWORD size = 0;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, kListKey, 0, KEY_READ, &key) != ERROR_SUCCESS) return 0;
    const std::string name = "File_" + std::to_string(index);
    if (RegQueryValueExA(key, name.c_str(), nullptr, nullptr, nullptr, &size) != ERROR_SUCCESS) size = 0;
    RegCloseKey(key);
    return size;
}

void SetValue(int index, const std::string& path) {
    HKEY key = nullptr;
    RegCreateKeyExA(HKEY_CURRENT_USER, kListKey, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr);
    const std::string name = "File_" + std::to_string(index);
    RegSetValueExA(key, name.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(path.data()), static_cast<DWORD>(path.size()));
    RegCloseKey(key);
}

VARIANT Index(LONG number) {
    VARIANT index;
    VariantInit(&index);
    index.vt = VT_I4;
    index.lVal = number;
    return index;
}

class FaultyListTest : public testing::Test {
protected:
    void SetUp() override {
        files = Create<IGraphicFiles>(L"VimroGE.GraphicFiles");
        engine = CreateEngine();
        ASSERT_TRUE(files && engine);
        missing = Files().folder + "\\absent.rux";
        std::ofstream(Files().folder + "\\empty.rux", std::ios::binary).flush();
        empty = Files().folder + "\\empty.rux";
    }
    void TearDown() override { SetFileList({}); }

    void ExpectError(HRESULT result, const wchar_t* text) {
        EXPECT_EQ(result, DISP_E_EXCEPTION) << "expected the error " << testing::PrintToString(std::wstring(text));
        EXPECT_EQ(TakeError().description, text);
    }
    LONG Count() {
        LONG count = -1;
        EXPECT_EQ(files->Count(&count), S_OK);
        return count;
    }
    void ExpectLoaded(const wchar_t* name) {
        const com::Bstr id(L"probe"), character(name);
        com::ComPtr<ICharacter> loaded;
        EXPECT_EQ(engine->Load(id.Get(), character.Get(), nullptr, loaded.Put()), S_OK);
        EXPECT_TRUE(loaded);
        engine->Unload(id.Get());
    }
    void ExpectLoadError(const wchar_t* name, const wchar_t* text) {
        const com::Bstr id(L"probe"), character(name);
        ICharacter* loaded = nullptr;
        ExpectError(engine->Load(id.Get(), character.Get(), nullptr, &loaded), text);
        EXPECT_EQ(loaded, nullptr);
    }

    com::ComPtr<IGraphicFiles> files;
    com::ComPtr<IGraphicEngine> engine;
    std::string missing, empty;
};

}  // namespace

TEST_F(FaultyListTest, BrokenFilesAnswerWithTheirErrorsAndTheListStaysWhole) {
    const std::vector<std::string> list = {missing, empty, Files().garbage, Files().nameOnly, Files().hero,
                                           Files().truncated, Files().ball};
    SetFileList(list);
    const auto before = RawValues();
    MessageBoxWatcher boxes;
    EXPECT_EQ(Count(), static_cast<LONG>(list.size()));
    for (LONG i = 1; i <= 4; ++i) {
        IGraphicFile* item = reinterpret_cast<IGraphicFile*>(0x1);
        ExpectError(files->Item(Index(i), &item), L"File Not Exist");
        EXPECT_EQ(item, nullptr) << "item " << i;
    }
    com::ComPtr<IGraphicFile> hero;
    EXPECT_EQ(files->Item(Index(5), hero.Put()), S_OK);
    com::ComPtr<IGraphicFile> truncated;
    EXPECT_EQ(files->Item(Index(6), truncated.Put()), S_OK) << "a cut file that yields animations is described";
    IGraphicFile* beyond = nullptr;
    ExpectError(files->Item(Index(8), &beyond), L"File Not Exist");
    for (int round = 0; round < 5; ++round) {
        ExpectLoaded(L"Hero");  // the first listed file of Hero is whole
        ExpectLoaded(L"Ball");
        ExpectLoadError(L"Nobody", L"Character animation file not exist");
    }
    EXPECT_TRUE(boxes.Boxes().empty());
    EXPECT_EQ(RawValues(), before) << "no call changed the list";
}

TEST_F(FaultyListTest, ATruncatedFileListedFirstFailsItsLoadAndKeepsTheList) {
    SetFileList({missing, Files().truncated, Files().hero});
    const auto before = RawValues();
    for (int round = 0; round < 3; ++round) {
        MessageBoxWatcher boxes;
        ExpectLoadError(L"Hero", L"Unexpected Error.");
        ASSERT_EQ(boxes.Boxes().size(), 1u);
        EXPECT_EQ(boxes.Boxes()[0].text, "Not valid character");
    }
    EXPECT_EQ(RawValues(), before);
}

TEST_F(FaultyListTest, APathTooLongForTheReadBufferEndsTheListButIsNeverLost) {
    const std::string fits = PathOfLength(Files().ball, 254);
    const std::string tooLong = PathOfLength(Files().ball, 256);
    ASSERT_EQ(fits.size(), 254u);
    ASSERT_EQ(tooLong.size(), 256u);
    SetFileList({fits, Files().hero, tooLong, Files().ball, std::string(2000, 'x')});
    EXPECT_EQ(Count(), 2) << "the list ends at the value that does not fit";
    com::ComPtr<IGraphicFile> first;
    EXPECT_EQ(files->Item(Index(1), first.Put()), S_OK) << "a path of 254 characters fits the buffer";
    IGraphicFile* item = nullptr;
    ExpectError(files->Item(Index(3), &item), L"File Not Exist");
    ExpectLoaded(L"Ball");
    ExpectLoaded(L"Hero");
    // Remove works on the list only: the values from the long one on stay as they were.
    const com::Bstr hero(L"Hero");
    EXPECT_EQ(files->Remove(hero.Get()), S_OK);
    const std::vector<std::pair<int, std::string>> kept = {{1, fits}, {3, tooLong}, {4, Files().ball}};
    EXPECT_EQ(RawValues(), kept);
    EXPECT_GE(ValueSize(5), 2000u) << "the value too long even for this test's buffer is still there";
    EXPECT_EQ(Count(), 1);
}

TEST_F(FaultyListTest, AGapEndsTheListAndAddAndRemoveKeepWhatFollowsIt) {
    SetFileList({Files().hero, Files().ball});
    SetValue(4, Files().ball);
    SetValue(5, missing);
    EXPECT_EQ(Count(), 2);
    com::ComPtr<IGraphicFile> file = Create<IGraphicFile>(L"VimroGE.GraphicFile");
    const com::Bstr ballPath(std::wstring(Files().ball.begin(), Files().ball.end()));
    ASSERT_EQ(file->put_FileName(ballPath.Get()), S_OK);
    EXPECT_EQ(files->Add(file.Get()), S_OK);  // fills the gap: File_3
    EXPECT_EQ(Count(), 5) << "the gap closed, the values after it joined the list";
    const com::Bstr ball(L"Ball");
    EXPECT_EQ(files->Remove(ball.Get()), S_OK);
    const std::vector<std::pair<int, std::string>> expected = {{1, Files().hero}, {2, missing}};
    EXPECT_EQ(RawValues(), expected) << "Remove took every Ball entry and kept the rest gap-free";
    IGraphicFile* item = nullptr;
    ExpectError(files->Item(Index(2), &item), L"File Not Exist");
}

TEST_F(FaultyListTest, AKeyThatCannotBeOpenedAnswersEveryCallAndHealsAfterwards) {
    {
        const InaccessibleFileList blocked;
        LONG count = 0;
        ExpectError(files->Count(&count), L"Registry not accessible");
        IGraphicFile* item = nullptr;
        ExpectError(files->Item(Index(1), &item), L"Registry not accessible");
        const com::Bstr hero(L"Hero");
        ExpectError(files->Remove(hero.Get()), L"Registry not accessible");
        for (int round = 0; round < 3; ++round) ExpectLoadError(L"Hero", L"Character animation file not exist");
    }
    SetFileList({Files().hero});
    EXPECT_EQ(Count(), 1);
    ExpectLoaded(L"Hero");
}
