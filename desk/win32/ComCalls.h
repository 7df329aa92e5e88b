#pragma once
// Small helpers around the engine's COM calls: the reason of a failure on one line, and
// properties set by name through IDispatch (the members an older engine may lack).
#include "PlatformHeaders.h"

#include <string>

// "why (0x80020009)": the error information's description when the call left one.
std::string FailureText(HRESULT result);

// Sets a 4-byte integer property by its name; the engine converts to the property's type.
HRESULT PutPropertyByName(IDispatch& object, const wchar_t* name, long value);
