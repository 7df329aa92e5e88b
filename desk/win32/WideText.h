#pragma once
// UTF-8 (the companion's own strings) to and from the wide strings of Windows and COM.
#include <string>

std::wstring WideFromUtf8(const std::string& text);
std::string Utf8FromWide(const std::wstring& text);
