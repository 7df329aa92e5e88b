#pragma once
// File names for exported pictures: <animation>_<frame>.png, safe on every file system.
#include <cstddef>
#include <set>
#include <string>

// The text with every byte but ASCII letters, digits and '-' replaced by '_', cut to 64 bytes;
// "animation" for an empty text.
std::string SafeFileStem(const std::string& text);

class ExportNames {
public:
    // A name not given before, also when compared without case (as Windows and macOS do):
    // a clash gets "-2", "-3", ... before the extension.
    std::string NameFor(const std::string& animation, size_t frame);

private:
    std::set<std::string> m_takenLowerCase;
};
