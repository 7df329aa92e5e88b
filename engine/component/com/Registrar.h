#pragma once
// The registry entries that make a class creatable by name, under HKEY_CLASSES_ROOT:
//   <ProgID>.1           = description, CLSID = {class}
//   <ProgID>             = description, CLSID = {class}, CurVer = <ProgID>.1
//   CLSID\{class}        = description, ProgID, VersionIndependentProgID, Programmable,
//                          InprocServer32 = module path (ThreadingModel), TypeLib = {library}
#include "PlatformHeaders.h"

#include <string>

namespace com {

struct ClassRegistration {
    const CLSID* classId;
    const wchar_t* progId;  // version-independent: "VimroGE.GraphicEngine"
    const wchar_t* description;
    const wchar_t* threadingModel;
};

std::wstring GuidText(REFGUID guid);  // in braces
std::wstring VersionedProgId(const ClassRegistration& entry);  // "<ProgID>.1"

HRESULT RegisterClassEntries(const ClassRegistration& entry, const std::wstring& modulePath, REFGUID typeLibrary);
// Removes the class's ProgID keys and its CLSID\{class} key whole; the CLSID key itself stays.
HRESULT UnregisterClassEntries(const ClassRegistration& entry);

}  // namespace com
