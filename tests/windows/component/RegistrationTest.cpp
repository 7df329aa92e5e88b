// The module as a client sees it: registry entries, creation by ProgID, class objects with
// aggregation and LockServer, unloading, and unregistration.
#include <gtest/gtest.h>

#include "Bstr.h"
#include "ComTestSupport.h"
#include "Registrar.h"

using namespace component_tests;

namespace {

std::wstring ReadText(const std::wstring& key, const wchar_t* value = nullptr) {
    wchar_t text[512] = {};
    DWORD size = sizeof(text);
    if (RegGetValueW(HKEY_CLASSES_ROOT, key.c_str(), value, RRF_RT_REG_SZ, nullptr, text, &size) != ERROR_SUCCESS) {
        return L"<missing>";
    }
    return text;
}

bool KeyExists(const std::wstring& key) {
    HKEY opened = nullptr;
    if (RegOpenKeyExW(HKEY_CLASSES_ROOT, key.c_str(), 0, KEY_READ, &opened) != ERROR_SUCCESS) return false;
    RegCloseKey(opened);
    return true;
}

struct ClassRow {
    const CLSID* classId;
    const wchar_t* progId;
    const wchar_t* description;
    const wchar_t* threading;
};

const ClassRow kRows[] = {
    {&CLSID_GraphicEngine, L"VimroGE.GraphicEngine", L"GraphicEngine Class", L"Apartment"},
    {&CLSID_character, L"VimroGE.Character", L"Character Class", L"Apartment"},
    {&CLSID_GraphicFiles, L"VimroGE.GraphicFiles", L"GraphicFiles Class", L"Free"},
    {&CLSID_GraphicFile, L"VimroGE.GraphicFile", L"GraphicFile Class", L"Free"},
};

template <class Function>
Function Export(HMODULE module, const char* name) {
    return reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(module, name)));
}

// A controlling object for aggregation: it only counts references.
class Outer final : public IUnknown {
public:
    STDMETHODIMP QueryInterface(REFIID, void** object) override {
        *object = nullptr;
        return E_NOINTERFACE;
    }
    STDMETHODIMP_(ULONG) AddRef() override { return static_cast<ULONG>(++references); }
    STDMETHODIMP_(ULONG) Release() override { return static_cast<ULONG>(--references); }
    long references = 1;
};

}  // namespace

TEST(Registration, EveryClassHasItsProgIdsClassKeyAndServer) {
    for (const ClassRow& row : kRows) {
        const std::wstring classText = com::GuidText(*row.classId);
        const std::wstring current = std::wstring(row.progId) + L".1";
        EXPECT_EQ(ReadText(current), row.description);
        EXPECT_EQ(ReadText(current + L"\\CLSID"), classText);
        EXPECT_EQ(ReadText(row.progId), row.description);
        EXPECT_EQ(ReadText(std::wstring(row.progId) + L"\\CLSID"), classText);
        EXPECT_EQ(ReadText(std::wstring(row.progId) + L"\\CurVer"), current);
        const std::wstring classKey = L"CLSID\\" + classText;
        EXPECT_EQ(ReadText(classKey), row.description);
        EXPECT_EQ(ReadText(classKey + L"\\ProgID"), current);
        EXPECT_EQ(ReadText(classKey + L"\\VersionIndependentProgID"), row.progId);
        EXPECT_TRUE(KeyExists(classKey + L"\\Programmable"));
        EXPECT_EQ(_wcsicmp(ReadText(classKey + L"\\InprocServer32").c_str(), ServerPath().c_str()), 0);
        EXPECT_EQ(ReadText(classKey + L"\\InprocServer32", L"ThreadingModel"), row.threading);
        EXPECT_EQ(ReadText(classKey + L"\\TypeLib"), com::GuidText(LIBID_VimroGraphicEngine));
    }
}

TEST(Registration, TypeLibraryIsRegisteredUnderItsGuidAndDescribesTheInterfaces) {
    com::ComPtr<ITypeLib> library;
    ASSERT_EQ(LoadRegTypeLib(LIBID_VimroGraphicEngine, 1, 0, LOCALE_USER_DEFAULT, library.Put()), S_OK);
    com::Bstr name;
    ASSERT_EQ(library->GetDocumentation(-1, name.Put(), nullptr, nullptr, nullptr), S_OK);
    EXPECT_EQ(name.Text(), L"VimroGraphicEngine");
    struct Described {
        const GUID* guid;
        const wchar_t* name;
        const wchar_t* help;
    };
    const Described described[] = {{&IID_ICharacter, L"ICharacter", L"ICharacter Interface"},
                                   {&IID_ICharacter2, L"ICharacter2", L"ICharacter2 Interface"},
                                   {&IID_IBalloon, L"IBalloon", L"IBalloon Interface"},
                                   {&CLSID_Balloon, L"Balloon", L"Balloon Class"},
                                   {&IID_IGraphicEngine, L"IGraphicEngine", L"IGraphicEngine Interface"},
                                   {&IID_IGraphicFiles, L"IGraphicFiles", L"IGraphicFiles Interface"},
                                   {&IID_IGraphicFile, L"IGraphicFile", L"IGraphicFile Interface"},
                                   {&DIID__ICharacterEvents, L"_ICharacterEvents", L"_ICharacterEvents Interface"},
                                   {&CLSID_character, L"character", L"Character Class"},
                                   {&CLSID_GraphicEngine, L"GraphicEngine", L"GraphicEngine Class"}};
    for (const Described& entry : described) {
        com::ComPtr<ITypeInfo> info;
        ASSERT_EQ(library->GetTypeInfoOfGuid(*entry.guid, info.Put()), S_OK) << entry.name;
        com::Bstr infoName, help;
        info->GetDocumentation(MEMBERID_NIL, infoName.Put(), help.Put(), nullptr, nullptr);
        EXPECT_EQ(infoName.Text(), entry.name);
        EXPECT_EQ(help.Text(), entry.help);
    }
}

TEST(Registration, TypeLibraryIsVersionOneOneAndServesClientsOfOneZero) {
    com::ComPtr<ITypeLib> library;
    ASSERT_EQ(LoadRegTypeLib(LIBID_VimroGraphicEngine, 1, 1, LOCALE_USER_DEFAULT, library.Put()), S_OK);
    TLIBATTR* attributes = nullptr;
    ASSERT_EQ(library->GetLibAttr(&attributes), S_OK);
    EXPECT_EQ(attributes->wMajorVerNum, 1);
    EXPECT_EQ(attributes->wMinorVerNum, 1);
    library->ReleaseTLibAttr(attributes);
    // The new interfaces are registered for marshalling like the old ones.
    for (const GUID* iid : {&IID_ICharacter, &IID_ICharacter2, &IID_IBalloon}) {
        const std::wstring key = L"Interface\\" + com::GuidText(*iid);
        EXPECT_EQ(ReadText(key + L"\\TypeLib", L"Version"), L"1.1") << com::GuidText(*iid).c_str();
    }
}

TEST(Registration, CharacterClassHasItsEventsAsDefaultSource) {
    com::ComPtr<ITypeLib> library;
    ASSERT_EQ(LoadRegTypeLib(LIBID_VimroGraphicEngine, 1, 0, LOCALE_USER_DEFAULT, library.Put()), S_OK);
    com::ComPtr<ITypeInfo> coclass;
    ASSERT_EQ(library->GetTypeInfoOfGuid(CLSID_character, coclass.Put()), S_OK);
    bool defaultInterface = false, defaultSource = false;
    TYPEATTR* classAttributes = nullptr;
    ASSERT_EQ(coclass->GetTypeAttr(&classAttributes), S_OK);
    const UINT implementedCount = classAttributes->cImplTypes;
    coclass->ReleaseTypeAttr(classAttributes);
    EXPECT_EQ(implementedCount, 3u) << "ICharacter2, ICharacter and the events";
    for (UINT i = 0; i < implementedCount; ++i) {
        INT flags = 0;
        HREFTYPE reference = 0;
        com::ComPtr<ITypeInfo> implemented;
        ASSERT_EQ(coclass->GetImplTypeFlags(i, &flags), S_OK);
        ASSERT_EQ(coclass->GetRefTypeOfImplType(i, &reference), S_OK);
        ASSERT_EQ(coclass->GetRefTypeInfo(reference, implemented.Put()), S_OK);
        TYPEATTR* attributes = nullptr;
        implemented->GetTypeAttr(&attributes);
        if (flags == (IMPLTYPEFLAG_FDEFAULT | IMPLTYPEFLAG_FSOURCE)) defaultSource = IsEqualGUID(attributes->guid, DIID__ICharacterEvents);
        if (flags == IMPLTYPEFLAG_FDEFAULT) defaultInterface = IsEqualGUID(attributes->guid, IID_ICharacter2);
        implemented->ReleaseTypeAttr(attributes);
    }
    EXPECT_TRUE(defaultInterface);
    EXPECT_TRUE(defaultSource);
}

TEST(Registration, MembersHaveTheirDispatchIds) {
    com::ComPtr<IGraphicEngine> engine = CreateEngine();
    ASSERT_TRUE(engine);
    com::ComPtr<ICharacter> nobody = LoadCharacter(engine.Get(), L"ids", L"Nobody");
    EXPECT_FALSE(nobody);
    com::ComPtr<IDispatch> files;
    CLSID classId{};
    ASSERT_EQ(CLSIDFromProgID(L"VimroGE.GraphicFiles", &classId), S_OK);
    ASSERT_EQ(CoCreateInstance(classId, nullptr, CLSCTX_INPROC_SERVER, IID_IDispatch, files.PutVoid()), S_OK);
    struct Member {
        IDispatch* object;
        const wchar_t* name;
        DISPID id;
    };
    const Member members[] = {{engine.Get(), L"Load", 1}, {engine.Get(), L"Unload", 2}, {engine.Get(), L"Version", 3},
                              {files.Get(), L"Add", 1},   {files.Get(), L"Remove", 2},  {files.Get(), L"Count", 3},
                              {files.Get(), L"Item", 4},  {files.Get(), L"Version", 5}};
    for (const Member& member : members) {
        DISPID id = DISPID_UNKNOWN;
        LPOLESTR names[] = {const_cast<LPOLESTR>(member.name)};
        EXPECT_EQ(member.object->GetIDsOfNames(IID_NULL, names, 1, LOCALE_USER_DEFAULT, &id), S_OK) << member.name;
        EXPECT_EQ(id, member.id) << member.name;
    }
}

TEST(Registration, ClassObjectsRefuseAggregationExceptForIUnknown) {
    com::ComPtr<IClassFactory> factory;
    ASSERT_EQ(CoGetClassObject(CLSID_GraphicEngine, CLSCTX_INPROC_SERVER, nullptr, IID_IClassFactory, factory.PutVoid()), S_OK);
    Outer outer;
    com::ComPtr<IGraphicEngine> refused;
    EXPECT_EQ(factory->CreateInstance(&outer, IID_IGraphicEngine, refused.PutVoid()), static_cast<HRESULT>(0x80040110));
    EXPECT_FALSE(refused);
    com::ComPtr<IUnknown> inner;
    ASSERT_EQ(factory->CreateInstance(&outer, IID_IUnknown, inner.PutVoid()), S_OK);
    com::ComPtr<IGraphicEngine> engine;
    ASSERT_EQ(inner->QueryInterface(IID_IGraphicEngine, engine.PutVoid()), S_OK);
    const long before = outer.references;
    engine->AddRef();
    EXPECT_EQ(outer.references, before + 1) << "the inner object's interfaces count on the outer object";
    engine->Release();
    com::Bstr version;
    EXPECT_EQ(engine->get_Version(version.Put()), S_OK);
    EXPECT_EQ(version.Text(), L"1.0.0.0S");
    engine.Reset();
    EXPECT_EQ(outer.references, before - 1) << "the interface's reference went back to the outer object";
}

TEST(Registration, UnknownClassesAreNotAvailable) {
    HMODULE module = GetModuleHandleW(ServerPath().c_str());
    if (module == nullptr) module = LoadLibraryW(ServerPath().c_str());
    ASSERT_NE(module, nullptr);
    using GetClassObject = HRESULT(__stdcall*)(REFCLSID, REFIID, void**);
    const auto getClassObject = Export<GetClassObject>(module, "DllGetClassObject");
    void* object = reinterpret_cast<void*>(1);
    EXPECT_EQ(getClassObject(IID_IUnknown, IID_IClassFactory, &object), CLASS_E_CLASSNOTAVAILABLE);
    EXPECT_EQ(object, nullptr);
}

TEST(Registration, DllCanUnloadNowOnlyWithoutObjectsOrLocks) {
    HMODULE module = LoadLibraryW(ServerPath().c_str());
    ASSERT_NE(module, nullptr);
    using CanUnload = HRESULT(__stdcall*)();
    const auto canUnload = Export<CanUnload>(module, "DllCanUnloadNow");
    ASSERT_EQ(canUnload(), S_OK);
    {
        com::ComPtr<IGraphicEngine> engine = CreateEngine();
        ASSERT_TRUE(engine);
        EXPECT_EQ(canUnload(), S_FALSE);
    }
    EXPECT_EQ(canUnload(), S_OK);
    com::ComPtr<IClassFactory> factory;
    ASSERT_EQ(CoGetClassObject(CLSID_GraphicEngine, CLSCTX_INPROC_SERVER, nullptr, IID_IClassFactory, factory.PutVoid()), S_OK);
    factory->LockServer(TRUE);
    EXPECT_EQ(canUnload(), S_FALSE);
    factory->LockServer(FALSE);
    EXPECT_EQ(canUnload(), S_OK);
    FreeLibrary(module);
}

TEST(Registration, UnregistrationRemovesTheEntriesAndRegistrationRestoresThem) {
    ASSERT_EQ(RunRegsvr32(true), 0u);
    for (const ClassRow& row : kRows) {
        EXPECT_FALSE(KeyExists(row.progId));
        EXPECT_FALSE(KeyExists(std::wstring(row.progId) + L".1"));
        EXPECT_FALSE(KeyExists(L"CLSID\\" + com::GuidText(*row.classId)));
    }
    EXPECT_TRUE(KeyExists(L"CLSID"));
    EXPECT_FALSE(KeyExists(L"TypeLib\\" + com::GuidText(LIBID_VimroGraphicEngine)));
    ASSERT_EQ(RunRegsvr32(false), 0u);
    EXPECT_TRUE(KeyExists(L"TypeLib\\" + com::GuidText(LIBID_VimroGraphicEngine)));
    EXPECT_TRUE(CreateEngine());
}

TEST(Registration, UnregisteringAnUnregisteredServerSucceeds) {
    ASSERT_EQ(RunRegsvr32(true), 0u);
    EXPECT_EQ(RunRegsvr32(true), 0u) << "an uninstaller run twice reports no failure";
    ASSERT_EQ(RunRegsvr32(false), 0u);
    EXPECT_TRUE(CreateEngine());
}

// The module lets go of its window classes when it says it can be unloaded (DllMain may not
// call user32), and makes them again for the next character.
TEST(Registration, DllCanUnloadNowUnregistersTheWindowClassesAndALaterCharacterMakesThemAgain) {
    HMODULE module = LoadLibraryW(ServerPath().c_str());
    ASSERT_NE(module, nullptr);
    using CanUnload = HRESULT(__stdcall*)();
    const auto canUnload = Export<CanUnload>(module, "DllCanUnloadNow");
    const auto classRegistered = [module](const char* name) {
        WNDCLASSEXA info{};
        info.cbSize = sizeof(info);
        return GetClassInfoExA(module, name, &info) != FALSE;
    };
    SetFileList({Files().hero});
    for (int round = 0; round < 2; ++round) {
        {
            com::ComPtr<IGraphicEngine> engine = CreateEngine();
            ASSERT_TRUE(engine);
            const com::ComPtr<ICharacter> hero = LoadCharacter(engine.Get(), L"hero", L"Hero");
            ASSERT_TRUE(hero) << "round " << round;
            EXPECT_TRUE(classRegistered("VGECOMCHWNDCLS"));
            EXPECT_TRUE(classRegistered("VimroGECharacterEventReceiver"));
            EXPECT_EQ(canUnload(), S_FALSE);
            const com::Bstr id(L"hero");
            engine->Unload(id.Get());
        }
        EXPECT_EQ(canUnload(), S_OK);
        EXPECT_FALSE(classRegistered("VGECOMCHWNDCLS"));
        EXPECT_FALSE(classRegistered("VimroGECharacterEventReceiver"));
    }
    SetFileList({});
    FreeLibrary(module);
}
