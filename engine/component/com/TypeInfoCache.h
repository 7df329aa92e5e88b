#pragma once
// Type information from the registered type library, loaded by its GUID and version on first
// use and kept per interface for the life of the module.
#include "PlatformHeaders.h"

namespace com {

// The library every object describes itself with (set once at module start).
void SetTypeLibrary(REFGUID library, WORD major, WORD minor);
// One new reference on the type information of the interface or class; the loader's error
// while the library is not registered.
HRESULT GetCachedTypeInfo(REFGUID guid, LCID locale, ITypeInfo** info);
// Drops what was loaded (module end).
void ReleaseTypeInfoCache();

}  // namespace com
