#pragma once
// Process-wide log module: only the log file's name is kept; nothing writes log lines.
#include <string>

// Copies at most 127 characters of name into the log file name and marks the name set.
void SetLogFileName(const char* name);
// The current log file name ("wendo.log" until SetLogFileName is called).
std::string LogFileName();
int LogFileNameSet();
// The line reserved for a log message that cannot be allocated.
extern const char* const kLogOutOfMemoryText;
