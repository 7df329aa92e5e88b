#include "ExportNames.h"

namespace {

constexpr size_t kMaxStemBytes = 64;

bool IsSafeByte(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '-';
}

std::string LowerCase(std::string text) {
    for (char& c : text) {
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    }
    return text;
}

}  // namespace

std::string SafeFileStem(const std::string& text) {
    if (text.empty()) return "animation";
    std::string stem = text.substr(0, kMaxStemBytes);
    for (char& c : stem) {
        if (!IsSafeByte(c)) c = '_';
    }
    return stem;
}

std::string ExportNames::NameFor(const std::string& animation, size_t frame) {
    const std::string base = SafeFileStem(animation) + "_" + std::to_string(frame);
    std::string name = base + ".png";
    for (size_t clash = 2; !m_takenLowerCase.insert(LowerCase(name)).second; ++clash) {
        name = base + "-" + std::to_string(clash) + ".png";
    }
    return name;
}
