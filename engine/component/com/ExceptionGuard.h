#pragma once
// No C++ exception leaves a COM method or an exported function of the module: the body runs
// under Guarded, which turns running out of memory into E_OUTOFMEMORY and anything else into
// a reported error, each with the calling thread's error information set.
#include "PlatformHeaders.h"

#include <new>

namespace com {

// The source named by errors of the module itself (exports, class objects, connection points).
constexpr const wchar_t* kModuleSource = L"VimroGE";

// Sets the error information ("Out of memory") and answers E_OUTOFMEMORY.
HRESULT ReportOutOfMemory(const wchar_t* source, REFIID iid) noexcept;
// Sets the error information ("Unexpected Error.") and answers DISP_E_EXCEPTION.
HRESULT ReportUnexpected(const wchar_t* source, REFIID iid) noexcept;

template <class Body>
HRESULT Guarded(const wchar_t* source, REFIID iid, Body&& body) noexcept {
    try {
        return body();
    } catch (const std::bad_alloc&) {
        return ReportOutOfMemory(source, iid);
    } catch (...) {
        return ReportUnexpected(source, iid);
    }
}

}  // namespace com
