#pragma once
// The module's four classes, in the order registration and class-object lookup follow.
#include "PlatformHeaders.h"

#include <string>

HRESULT GetModuleClassObject(REFCLSID classId, REFIID iid, void** object);
#include "TypeLibRegistration.h"

HRESULT RegisterModuleClasses(const std::wstring& modulePath, com::TypeLibraryScope scope);
HRESULT UnregisterModuleClasses(com::TypeLibraryScope scope);
