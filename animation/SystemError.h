#pragma once
// The platform's error number of the last failed file operation, and its own text for it, so
// that a failure can be reported with the system's reason.
#include <string>

// errno on POSIX, GetLastError() on Windows; read it right after the call that failed.
int LastSystemError();
// The system's message for the error number, without trailing line breaks.
std::string SystemErrorText(int error);
