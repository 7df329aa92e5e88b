#include "ExceptionGuard.h"

#include "ErrorInfo.h"

namespace com {

// ReportError makes its error object through the platform, which throws nothing.
HRESULT ReportOutOfMemory(const wchar_t* source, REFIID iid) noexcept {
    ReportError(source, L"Out of memory", iid);
    return E_OUTOFMEMORY;
}

HRESULT ReportUnexpected(const wchar_t* source, REFIID iid) noexcept {
    return ReportError(source, L"Unexpected Error.", iid);
}

}  // namespace com
