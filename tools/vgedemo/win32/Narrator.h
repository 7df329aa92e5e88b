#pragma once
// Prints the demo's lines with the time since its start, each flushed at once so that a pipe
// or a terminal shows it as it happens.
#include <windows.h>

#include <cstdint>
#include <string>

class Narrator {
public:
    Narrator() : m_start(GetTickCount()) {}
    void Say(const std::string& who, const std::string& text) const;
    uint32_t Elapsed() const { return GetTickCount() - m_start; }

private:
    DWORD m_start;
};

// Wide text in the ANSI code page, for printing.
std::string Narrow(const std::wstring& wide);
// The description of the calling thread's error information, or the code when there is none.
std::string ErrorText(HRESULT result);
