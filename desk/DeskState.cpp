#include "DeskState.h"

#include <algorithm>
#include <cstdlib>

namespace desk {

namespace {

constexpr size_t kMaxPlaceText = 64;
constexpr size_t kMaxNameLength = 64;
// Screen coordinates the desktop can have, with room for virtual screens left of or above
// the primary monitor.
constexpr long kCoordinateLimit = 1000000;

// One decimal integer at text[at], optionally signed, then at most one space.
std::optional<long> ReadNumber(const std::string& text, size_t& at) {
    const size_t start = at;
    if (at < text.size() && text[at] == '-') ++at;
    const size_t digits = at;
    while (at < text.size() && text[at] >= '0' && text[at] <= '9' && at - digits < 8) ++at;
    if (at == digits) return std::nullopt;
    if (at < text.size() && text[at] >= '0' && text[at] <= '9') return std::nullopt;
    const long value = std::strtol(text.substr(start, at - start).c_str(), nullptr, 10);
    if (value < -kCoordinateLimit || value > kCoordinateLimit) return std::nullopt;
    return value;
}

}  // namespace

std::string FormatPlace(const SavedPlace& place) {
    return std::string(place.shown ? "shown " : "hidden ") + std::to_string(place.position.x) + " " +
           std::to_string(place.position.y);
}

std::optional<SavedPlace> ParsePlace(const std::string& text) {
    if (text.size() > kMaxPlaceText) return std::nullopt;
    SavedPlace place;
    size_t at = 0;
    if (text.rfind("shown ", 0) == 0) {
        place.shown = true;
        at = 6;
    } else if (text.rfind("hidden ", 0) == 0) {
        at = 7;
    } else {
        return std::nullopt;
    }
    const auto x = ReadNumber(text, at);
    if (!x || at >= text.size() || text[at] != ' ') return std::nullopt;
    ++at;
    const auto y = ReadNumber(text, at);
    if (!y || at != text.size()) return std::nullopt;
    place.position = {*x, *y};
    return place;
}

int ValidScale(long percent) {
    for (int scale : kScales) {
        if (percent == scale) return scale;
    }
    return 100;
}

bool IsPlausibleName(const std::string& name) {
    if (name.empty() || name.size() > kMaxNameLength) return false;
    return std::none_of(name.begin(), name.end(), [](char c) { return static_cast<unsigned char>(c) < 0x20; });
}

}  // namespace desk
