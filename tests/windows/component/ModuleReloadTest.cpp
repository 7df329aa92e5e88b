// The module unloaded by its client without DllCanUnloadNow and loaded again, and
// DllCanUnloadNow while a window of the module's classes is left.
#include <gtest/gtest.h>

#include "Bstr.h"
#include "ComTestSupport.h"
#include "ServerRegistration.h"

using namespace component_tests;

namespace {

template <class Function>
Function Export(HMODULE module, const char* name) {
    return reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(module, name)));
}

using GetClassObject = HRESULT(__stdcall*)(REFCLSID, REFIID, void**);
using CanUnload = HRESULT(__stdcall*)();

// An engine from the module's own export, so that the component runtime does not hold the
// module and FreeLibrary really unloads it.
com::ComPtr<IGraphicEngine> EngineFrom(HMODULE module) {
    com::ComPtr<IGraphicEngine> engine;
    com::ComPtr<IClassFactory> factory;
    const auto getClassObject = Export<GetClassObject>(module, "DllGetClassObject");
    if (getClassObject == nullptr ||
        FAILED(getClassObject(CLSID_GraphicEngine, IID_IClassFactory, factory.PutVoid())))
        return engine;
    factory->CreateInstance(nullptr, IID_IGraphicEngine, engine.PutVoid());
    return engine;
}

bool LoadAndUnloadHero(IGraphicEngine* engine) {
    const com::ComPtr<ICharacter> hero = LoadCharacter(engine, L"hero", L"Hero");
    if (!hero) return false;
    const com::Bstr id(L"hero");
    engine->Unload(id.Get());
    return true;
}

}  // namespace

// The classes registered by the first load stay when the module goes unasked; the module loaded
// again (at the same address, so under the same instance) must still make characters.
TEST(ModuleReload, ACharacterLoadsAfterTheModuleWasUnloadedWithoutBeingAsked) {
    SetFileList({Files().hero});
    HMODULE first = nullptr;
    for (int round = 0; round < 3; ++round) {
        const HMODULE module = LoadLibraryW(ServerPath().c_str());
        ASSERT_NE(module, nullptr);
        if (round == 0) first = module;
        {
            const com::ComPtr<IGraphicEngine> engine = EngineFrom(module);
            ASSERT_TRUE(engine) << "round " << round;
            EXPECT_TRUE(LoadAndUnloadHero(engine.Get())) << "round " << round << (module == first ? " (same address)" : "");
        }
        FreeLibrary(module);
        EXPECT_EQ(GetModuleHandleW(ServerPath().c_str()), nullptr) << "unloaded in round " << round;
    }
    SetFileList({});
}

// A window of the module's classes runs the module's code: the module must stay while one is left.
TEST(ModuleReload, DllCanUnloadNowSaysNoWhileAWindowOfItsClassesIsLeft) {
    SetFileList({Files().hero});
    const HMODULE module = LoadLibraryW(ServerPath().c_str());
    ASSERT_NE(module, nullptr);
    const auto canUnload = Export<CanUnload>(module, "DllCanUnloadNow");
    {
        const com::ComPtr<IGraphicEngine> engine = EngineFrom(module);
        ASSERT_TRUE(engine);
        ASSERT_TRUE(LoadAndUnloadHero(engine.Get()));
    }
    // No object and no lock is left; a window of each class is made as any code could make one.
    HWND left[2] = {};
    const char* const classNames[2] = {"VGECOMCHWNDCLS", "VimroGECharacterEventReceiver"};
    for (int i = 0; i < 2; ++i) {
        left[i] = CreateWindowExA(0, classNames[i], nullptr, WS_POPUP, 0, 0, 0, 0, nullptr, nullptr, module, nullptr);
        ASSERT_NE(left[i], nullptr) << classNames[i];
    }
    for (int i = 0; i < 2; ++i) {
        EXPECT_EQ(canUnload(), S_FALSE) << "a window of " << classNames[1] << (i == 0 ? " and one of " : "") << (i == 0 ? classNames[0] : "") << " left";
        DestroyWindow(left[i]);
    }
    EXPECT_EQ(canUnload(), S_OK) << "no window left";
    FreeLibrary(module);
    SetFileList({});
}
