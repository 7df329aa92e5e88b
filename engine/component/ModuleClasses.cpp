#include "ModuleClasses.h"

#include "CCharacter.h"
#include "CGraphicEngine.h"
#include "CGraphicFile.h"
#include "CGraphicFiles.h"
#include "ClassFactory.h"
#include "Registrar.h"
#include "TypeLibRegistration.h"

namespace {

struct ModuleClass {
    com::ClassRegistration registration;
    com::ClassFactory* factory;
};

com::ClassFactory g_engineFactory(&CGraphicEngine::CreateInstance);
com::ClassFactory g_characterFactory(&CCharacter::CreateInstance);
com::ClassFactory g_filesFactory(&CGraphicFiles::CreateInstance);
com::ClassFactory g_fileFactory(&CGraphicFile::CreateInstance);

const ModuleClass kClasses[] = {
    {{&CLSID_GraphicEngine, L"VimroGE.GraphicEngine", L"GraphicEngine Class", L"Apartment"}, &g_engineFactory},
    {{&CLSID_character, L"VimroGE.Character", L"Character Class", L"Apartment"}, &g_characterFactory},
    {{&CLSID_GraphicFiles, L"VimroGE.GraphicFiles", L"GraphicFiles Class", L"Free"}, &g_filesFactory},
    {{&CLSID_GraphicFile, L"VimroGE.GraphicFile", L"GraphicFile Class", L"Free"}, &g_fileFactory},
};

}  // namespace

HRESULT GetModuleClassObject(REFCLSID classId, REFIID iid, void** object) {
    if (object == nullptr) return E_POINTER;
    *object = nullptr;
    for (const ModuleClass& entry : kClasses) {
        if (IsEqualCLSID(classId, *entry.registration.classId)) return entry.factory->QueryInterface(iid, object);
    }
    return CLASS_E_CLASSNOTAVAILABLE;
}

HRESULT RegisterModuleClasses(const std::wstring& modulePath, com::TypeLibraryScope scope) {
    for (const ModuleClass& entry : kClasses) {
        const HRESULT result = com::RegisterClassEntries(entry.registration, modulePath, LIBID_VimroGraphicEngine);
        if (FAILED(result)) return result;
    }
    return com::RegisterEmbeddedTypeLibrary(modulePath, scope);
}

HRESULT UnregisterModuleClasses(com::TypeLibraryScope scope) {
    for (const ModuleClass& entry : kClasses) {
        const HRESULT result = com::UnregisterClassEntries(entry.registration);
        if (FAILED(result)) return result;
    }
    return com::UnregisterTypeLibrary(LIBID_VimroGraphicEngine, kTypeLibraryMajor, kTypeLibraryMinor, scope);
}
