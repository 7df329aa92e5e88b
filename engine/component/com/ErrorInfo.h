#pragma once
// Reported errors: the calling thread's error information carries the message as its
// description and the reporting class's versioned ProgID as its source.
#include "PlatformHeaders.h"

namespace com {

// Sets the error information and answers DISP_E_EXCEPTION.
HRESULT ReportError(const wchar_t* source, const wchar_t* description, REFIID iid);

// Fills an EXCEPINFO from the thread's error information (taking it), for an Invoke of ours
// whose member failed with the result.
void FillExceptionInfo(EXCEPINFO* info, HRESULT result);

}  // namespace com
