#pragma once
// UTF-8 and UTF-16 for vimro's arguments, paths and console.
#include <string>

namespace desk {

std::string ToUtf8(const std::wstring& wide);
std::wstring FromUtf8(const std::string& utf8);

}  // namespace desk
