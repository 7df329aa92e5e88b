#pragma once
// How a character's balloon looks and how much text it holds: set by the client on its
// Balloon object and copied into every Speak and Think request, so that a request keeps the
// look it was made with.
#include <cstdint>
#include <string>

enum class BalloonKind : uint8_t { Speech, Thought };

struct BalloonStyle {
    std::u16string fontName = u"Tahoma";  // on every Windows since 2000, and shipped by Wine
    int32_t fontSize = 10;                // points, at 96 DPI times the character's scale
    uint32_t textColor = 0x00000000;      // 0x00BBGGRR: black
    uint32_t backColor = 0x00E1FFFF;      // pale yellow
    uint32_t borderColor = 0x00000000;
    int32_t charsPerLine = 32;
    int32_t numberOfLines = 3;
};

// The values a client may set; anything else is refused with a reported error.
namespace balloon_limits {
constexpr size_t kLongestFontName = 31;  // a face name holds 32 characters with its terminator
constexpr int32_t kSmallestFontSize = 6;
constexpr int32_t kLargestFontSize = 72;
constexpr uint32_t kLargestColor = 0x00FFFFFF;
constexpr int32_t kFewestCharsPerLine = 8;
constexpr int32_t kMostCharsPerLine = 200;
constexpr int32_t kMostLines = 30;
}  // namespace balloon_limits

inline bool IsValidFontName(const std::u16string& name) {
    return !name.empty() && name.size() <= balloon_limits::kLongestFontName && name.find(u'\0') == std::u16string::npos;
}
inline bool IsValidFontSize(int32_t points) {
    return points >= balloon_limits::kSmallestFontSize && points <= balloon_limits::kLargestFontSize;
}
inline bool IsValidColor(int64_t color) { return color >= 0 && color <= balloon_limits::kLargestColor; }
inline bool IsValidCharsPerLine(int32_t count) {
    return count >= balloon_limits::kFewestCharsPerLine && count <= balloon_limits::kMostCharsPerLine;
}
inline bool IsValidNumberOfLines(int32_t count) { return count >= 1 && count <= balloon_limits::kMostLines; }
