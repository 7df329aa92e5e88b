#pragma once
// The module's four classes, in the order registration and class-object lookup follow.
#include "PlatformHeaders.h"

#include <string>

HRESULT GetModuleClassObject(REFCLSID classId, REFIID iid, void** object);
HRESULT RegisterModuleClasses(const std::wstring& modulePath);
HRESULT UnregisterModuleClasses();
