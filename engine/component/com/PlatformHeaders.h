#pragma once
// The Windows and COM headers, included first by every file of the component layer.
#include <windows.h>

#include <objbase.h>
#include <ocidl.h>
#include <oleauto.h>
#include <olectl.h>

// COM interfaces have no virtual destructors by design: objects are released, never deleted
// through an interface pointer, so the warning cannot apply to classes that implement them.
#pragma GCC diagnostic ignored "-Wnon-virtual-dtor"
