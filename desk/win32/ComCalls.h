#pragma once
// The reason of a failed call of the engine, on one line.
#include "PlatformHeaders.h"

#include <string>

// "why (0x80020009)": the error information's description when the call left one.
std::string FailureText(HRESULT result);
