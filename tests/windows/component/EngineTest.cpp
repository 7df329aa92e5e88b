// GraphicEngine: Load and Unload with every reported error, the character table, the owner
// window, and characters made through their class object.
#include <gtest/gtest.h>

#include "Bstr.h"
#include "ComTestSupport.h"
#include "WindowValue.h"

using namespace component_tests;

namespace {

class EngineTest : public testing::Test {
protected:
    void SetUp() override {
        SetFileList({Files().hero, Files().ball});
        engine = CreateEngine();
        ASSERT_TRUE(engine);
    }
    void TearDown() override {
        engine.Reset();
        SetFileList({});
    }

    // Load that must fail with the text; its out-value must come back null.
    void ExpectLoadError(const wchar_t* id, const wchar_t* name, const wchar_t* text,
                         const wchar_t* source = L"VimroGE.GraphicEngine.1") {
        const com::Bstr idText(id), nameText(name);
        ICharacter* character = reinterpret_cast<ICharacter*>(0x1);
        EXPECT_EQ(engine->Load(idText.Get(), nameText.Get(), nullptr, &character), DISP_E_EXCEPTION);
        EXPECT_EQ(character, nullptr);
        const ReportedError error = TakeError();
        EXPECT_EQ(error.description, text);
        EXPECT_EQ(error.source, source);
    }

    com::ComPtr<IGraphicEngine> engine;
};

// A named callback: a lambda converts to a pointer of the default calling convention, which on
// 32-bit Windows is not the CALLBACK (__stdcall) that EnumWindows calls.
BOOL CALLBACK CountCharacterWindow(HWND window, LPARAM count) {
    char className[32] = {};
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    GetClassNameA(window, className, sizeof(className));
    if (process == GetCurrentProcessId() && strcmp(className, "VGECOMCHWNDCLS") == 0) ++*reinterpret_cast<int*>(count);
    return TRUE;
}

int CharacterWindowsOfThisProcess() {
    int windows = 0;
    EnumWindows(&CountCharacterWindow, reinterpret_cast<LPARAM>(&windows));
    return windows;
}

}  // namespace

TEST_F(EngineTest, VersionHasItsFinalS) {
    BSTR version = nullptr;
    ASSERT_EQ(engine->get_Version(&version), S_OK);
    EXPECT_STREQ(version, L"1.0.0.0S");
    SysFreeString(version);
}

TEST_F(EngineTest, IdsAreKeptApartByLetterCase) {
    com::ComPtr<ICharacter> first = LoadCharacter(engine.Get(), L"one", L"hERO");
    ASSERT_TRUE(first) << "the character name ignores letter case";
    ExpectLoadError(L"one", L"Ball", L"Character Already Exist.");
    com::ComPtr<ICharacter> second = LoadCharacter(engine.Get(), L"ONE", L"Ball");
    EXPECT_TRUE(second) << "another ID";
    LONG x = 0;
    first->put_X(5);
    first->get_X(&x);
    EXPECT_EQ(x, 5) << "the first character is untouched";
}

TEST_F(EngineTest, ACharacterWithoutListedFileIsNotLoaded) {
    const int windowsBefore = CharacterWindowsOfThisProcess();
    ExpectLoadError(L"g", L"Ghost", L"Character animation file not exist");
    SetFileList({});
    ExpectLoadError(L"h", L"Hero", L"Character animation file not exist");
    EXPECT_EQ(CharacterWindowsOfThisProcess(), windowsBefore) << "the failed characters are gone with their threads";
}

TEST_F(EngineTest, AFileThatCannotBeReadAsACharacterIsAnUnexpectedError) {
    SetFileList({Files().truncated});
    MessageBoxWatcher boxes;
    ExpectLoadError(L"t", L"Hero", L"Unexpected Error.");
    const auto shown = boxes.Boxes();
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].caption, "Fatal Error");
    EXPECT_EQ(shown[0].text, "Not valid character");
}

TEST_F(EngineTest, TheFirstListedFileOfACharacterWins) {
    SetFileList({Files().otherHero, Files().hero});
    com::ComPtr<ICharacter> hero = LoadCharacter(engine.Get(), L"h", L"Hero");
    ASSERT_TRUE(hero);
    const com::Bstr only(L"Only");
    LONG id = 0;
    ASSERT_EQ(hero->Play(only.Get(), 0, 0, 0, &id), S_OK);
    EXPECT_EQ(id, 1) << "the animation of the first file is accepted";
}

TEST_F(EngineTest, UnloadReportsUnknownIdsAndFreesTheId) {
    const com::Bstr id(L"h");
    EXPECT_EQ(engine->Unload(id.Get()), DISP_E_EXCEPTION);
    ReportedError error = TakeError();
    EXPECT_EQ(error.description, L"Invalid Character ID.");
    EXPECT_EQ(error.source, L"VimroGE.GraphicEngine.1");
    ASSERT_TRUE(LoadCharacter(engine.Get(), L"h", L"Hero"));
    EXPECT_EQ(engine->Unload(id.Get()), S_OK);
    EXPECT_TRUE(LoadCharacter(engine.Get(), L"h", L"Hero")) << "an unloaded ID can be loaded again";
    EXPECT_EQ(engine->Unload(id.Get()), S_OK);
    EXPECT_EQ(engine->Unload(id.Get()), DISP_E_EXCEPTION);
    EXPECT_EQ(TakeError().description, L"Invalid Character ID.");
}

TEST_F(EngineTest, TheOwnerWindowOwnsTheCharacterWindow) {
    const HWND owner = CreateWindowExA(0, "STATIC", "owner", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(owner, nullptr);
    com::ComPtr<ICharacter> owned = LoadCharacter(engine.Get(), L"o", L"Hero", owner);
    ASSERT_TRUE(owned);
    LONG handle = 0;
    owned->get_hWnd(&handle);
    EXPECT_EQ(GetWindow(reinterpret_cast<HWND>(WireToHandle(handle)), GW_OWNER), owner);
    com::ComPtr<ICharacter> unowned = LoadCharacter(engine.Get(), L"u", L"Ball");
    unowned->get_hWnd(&handle);
    EXPECT_EQ(GetWindow(reinterpret_cast<HWND>(WireToHandle(handle)), GW_OWNER), nullptr)
        << "each Load hands over its own owner";
    owned.Reset();
    unowned.Reset();
    engine.Reset();
    DestroyWindow(owner);
}

TEST_F(EngineTest, ACharacterMadeByItsClassObjectHasNoAnimations) {
    CLSID classId{};
    ASSERT_EQ(CLSIDFromProgID(L"VimroGE.Character", &classId), S_OK);
    com::ComPtr<ICharacter> bare;
    ASSERT_EQ(CoCreateInstance(classId, nullptr, CLSCTX_INPROC_SERVER, IID_ICharacter, bare.PutVoid()), S_OK);
    MessageBoxWatcher boxes;
    const com::Bstr stand(L"Stand");
    LONG id = 3;
    EXPECT_EQ(bare->Play(stand.Get(), 0, 0, 0, &id), S_OK);
    EXPECT_EQ(id, 3);
    ASSERT_EQ(boxes.Boxes().size(), 1u);
    EXPECT_EQ(boxes.Boxes()[0].text, "Animation not found");
    BSTR text = nullptr;
    bare->get_ID(&text);
    EXPECT_EQ(SysStringLen(text), 0u);
    SysFreeString(text);
}
