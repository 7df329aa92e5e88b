#pragma once
// Registration of the type library embedded in a module file, for the machine or for the
// current user alone.
#include "PlatformHeaders.h"

#include <string>

namespace com {

// User: RegisterTypeLibForUser and UnRegisterTypeLibForUser, looked up at run time in
// "oleaut32.dll" (Windows ignores a mapped HKEY_CLASSES_ROOT for type libraries since Vista);
// where they are missing, the machine calls, which then write below the mapped key.
enum class TypeLibraryScope { Machine, User };

HRESULT RegisterEmbeddedTypeLibrary(const std::wstring& modulePath, TypeLibraryScope scope);
// The unregistering call is looked up at run time; without it the library's entries stay and
// the call succeeds. A library that is not registered counts as removed.
HRESULT UnregisterTypeLibrary(REFGUID library, WORD major, WORD minor, TypeLibraryScope scope);

}  // namespace com
