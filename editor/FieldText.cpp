#include "FieldText.h"

#include <cctype>
#include <cmath>
#include <cstdio>
#include <limits>

int64_t ParseLikeAtolWide(const std::string& text) {
    size_t i = 0;
    while (i < text.size() && std::isspace(static_cast<unsigned char>(text[i]))) ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
    constexpr int64_t kLimit = int64_t{1} << 40;  // far beyond 32 bits, far below overflow
    int64_t magnitude = 0;
    for (; i < text.size() && std::isdigit(static_cast<unsigned char>(text[i])); ++i) {
        magnitude = magnitude * 10 + (text[i] - '0');
        if (magnitude > kLimit) magnitude = kLimit;
    }
    return negative ? -magnitude : magnitude;
}

int32_t ParseLikeAtol(const std::string& text) {
    const int64_t value = ParseLikeAtolWide(text);
    if (value > std::numeric_limits<int32_t>::max()) return std::numeric_limits<int32_t>::max();
    if (value < std::numeric_limits<int32_t>::min()) return std::numeric_limits<int32_t>::min();
    return static_cast<int32_t>(value);
}

std::string FormatDecimal(int32_t value) { return std::to_string(value); }

int TruncateToInt(float value) {
    if (std::isnan(value)) return 0;
    if (value >= static_cast<float>(std::numeric_limits<int>::max())) return std::numeric_limits<int>::max();
    if (value <= static_cast<float>(std::numeric_limits<int>::min())) return std::numeric_limits<int>::min();
    return static_cast<int>(value);
}

std::string FrameListItem(size_t index) {
    char text[32];
    std::snprintf(text, sizeof text, "Frame %3d", static_cast<int>(index));
    return text;
}
