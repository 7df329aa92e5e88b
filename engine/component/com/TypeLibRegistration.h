#pragma once
// Registration of the type library embedded in a module file.
#include "PlatformHeaders.h"

#include <string>

namespace com {

HRESULT RegisterEmbeddedTypeLibrary(const std::wstring& modulePath);
// UnRegisterTypeLib is looked up at run time in "oleaut32.dll"; without it the library's
// entries stay and the call succeeds. A library that is not registered counts as removed.
HRESULT UnregisterTypeLibrary(REFGUID library, WORD major, WORD minor);

}  // namespace com
