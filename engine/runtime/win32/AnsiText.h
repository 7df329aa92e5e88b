#pragma once
#include <string>

// Wide text to the system's ANSI code page, as the model, files and paths hold it.
std::string ToAnsi(const std::wstring& text);
std::wstring FromAnsi(const std::string& text);
