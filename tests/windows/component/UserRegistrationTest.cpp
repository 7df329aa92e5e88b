// Registration for the current user through DllInstall ("regsvr32 /n /i:user"): the entries
// below HKEY_CURRENT_USER\Software\Classes, their removal, and that neither touches the
// machine-wide registration.
#include <gtest/gtest.h>

#include "ComTestSupport.h"
#include "Registrar.h"

using namespace component_tests;

namespace {

const std::wstring kUserClasses = L"Software\\Classes\\";

std::wstring ReadText(HKEY root, const std::wstring& key, const wchar_t* value = nullptr) {
    wchar_t text[512] = {};
    DWORD size = sizeof(text);
    if (RegGetValueW(root, key.c_str(), value, RRF_RT_REG_SZ, nullptr, text, &size) != ERROR_SUCCESS) {
        return L"<missing>";
    }
    return text;
}

bool KeyExists(HKEY root, const std::wstring& key) {
    HKEY opened = nullptr;
    if (RegOpenKeyExW(root, key.c_str(), 0, KEY_READ, &opened) != ERROR_SUCCESS) return false;
    RegCloseKey(opened);
    return true;
}

std::wstring EngineClassKey() { return L"CLSID\\" + com::GuidText(CLSID_GraphicEngine); }
std::wstring TypeLibraryKey() { return L"TypeLib\\" + com::GuidText(LIBID_VimroGraphicEngine); }
std::wstring PlatformName() { return sizeof(void*) == 8 ? L"win64" : L"win32"; }

// Whether this system's HKEY_CLASSES_ROOT shows the user's classes (Windows does; Wine 8
// reads the machine's alone), found by writing a probe key.
bool ClassesRootShowsUserClasses() {
    const std::wstring probe = L"VimroGE.UserClassesProbe";
    HKEY key = nullptr;
    if (RegCreateKeyExW(HKEY_CURRENT_USER, (kUserClasses + probe).c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                        &key, nullptr) != ERROR_SUCCESS) {
        return false;
    }
    RegCloseKey(key);
    const bool shown = KeyExists(HKEY_CLASSES_ROOT, probe);
    RegDeleteTreeW(HKEY_CURRENT_USER, (kUserClasses + probe).c_str());
    return shown;
}

class UserRegistration : public testing::Test {
protected:
    void SetUp() override { ASSERT_EQ(RunRegsvr32With(L"/u /n /i:user"), 0u); }
    void TearDown() override {
        RunRegsvr32With(L"/u /n /i:user");
        // Wine's regsvr32 now and then answers 1359 while the previous one is still ending;
        // the registration must succeed within a few tries.
        DWORD result = RunRegsvr32(false);
        for (int attempt = 0; attempt < 3 && result != 0; ++attempt) {
            Sleep(300);
            result = RunRegsvr32(false);
        }
        EXPECT_EQ(result, 0u) << "the machine-wide registration is back for the other tests";
    }
};

}  // namespace

TEST_F(UserRegistration, WritesTheClassesAndTheTypeLibraryBelowTheUsersClasses) {
    ASSERT_EQ(RunRegsvr32With(L"/n /i:user"), 0u);
    const std::wstring classText = com::GuidText(CLSID_GraphicEngine);
    EXPECT_EQ(ReadText(HKEY_CURRENT_USER, kUserClasses + L"VimroGE.GraphicEngine\\CLSID"), classText);
    EXPECT_EQ(ReadText(HKEY_CURRENT_USER, kUserClasses + L"VimroGE.GraphicEngine\\CurVer"), L"VimroGE.GraphicEngine.1");
    EXPECT_EQ(ReadText(HKEY_CURRENT_USER, kUserClasses + L"VimroGE.GraphicFiles.1\\CLSID"),
              com::GuidText(CLSID_GraphicFiles));
    const std::wstring server = kUserClasses + EngineClassKey() + L"\\InprocServer32";
    EXPECT_EQ(_wcsicmp(ReadText(HKEY_CURRENT_USER, server).c_str(), ServerPath().c_str()), 0);
    EXPECT_EQ(ReadText(HKEY_CURRENT_USER, server, L"ThreadingModel"), L"Apartment");
    const std::wstring library = kUserClasses + TypeLibraryKey() + L"\\1.1\\0\\" + PlatformName();
    EXPECT_EQ(_wcsicmp(ReadText(HKEY_CURRENT_USER, library).c_str(), ServerPath().c_str()), 0);
    EXPECT_TRUE(KeyExists(HKEY_CURRENT_USER, kUserClasses + L"Interface\\" + com::GuidText(IID_ICharacter)))
        << "the interfaces are registered for marshaling with the library";
    EXPECT_TRUE(KeyExists(HKEY_CURRENT_USER, kUserClasses + L"Interface\\" + com::GuidText(IID_ICharacter2)));
}

TEST_F(UserRegistration, LetterCaseOfTheCommandLineDoesNotMatter) {
    ASSERT_EQ(RunRegsvr32With(L"/n /i:USER"), 0u);
    EXPECT_TRUE(KeyExists(HKEY_CURRENT_USER, kUserClasses + EngineClassKey()));
}

TEST_F(UserRegistration, UnregisteringRemovesTheUsersEntriesAndKeepsTheMachines) {
    ASSERT_EQ(RunRegsvr32With(L"/n /i:user"), 0u);
    ASSERT_EQ(RunRegsvr32With(L"/u /n /i:user"), 0u);
    EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, kUserClasses + L"VimroGE.GraphicEngine"));
    EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, kUserClasses + L"VimroGE.Character.1"));
    EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, kUserClasses + EngineClassKey()));
    EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, kUserClasses + TypeLibraryKey()));
    EXPECT_TRUE(KeyExists(HKEY_CLASSES_ROOT, EngineClassKey())) << "the machine-wide class stays";
    EXPECT_TRUE(KeyExists(HKEY_CLASSES_ROOT, TypeLibraryKey())) << "the machine-wide library stays";
    EXPECT_TRUE(CreateEngine());
}

TEST_F(UserRegistration, UserRegistrationLeavesTheMachineEntriesAlone) {
    ASSERT_EQ(RunRegsvr32(true), 0u);
    ASSERT_EQ(RunRegsvr32With(L"/n /i:user"), 0u);
    EXPECT_TRUE(KeyExists(HKEY_CURRENT_USER, kUserClasses + EngineClassKey()));
    if (!ClassesRootShowsUserClasses()) {
        EXPECT_FALSE(KeyExists(HKEY_CLASSES_ROOT, EngineClassKey())) << "nothing was written machine-wide";
        return;
    }
    // Where the system merges the user's classes in, a client creates the engine from them.
    EXPECT_TRUE(CreateEngine());
}

TEST_F(UserRegistration, AnUnknownCommandLineFailsAndWritesNothing) {
    EXPECT_NE(RunRegsvr32With(L"/n /i:everyone"), 0u);
    EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, kUserClasses + EngineClassKey()));
}
