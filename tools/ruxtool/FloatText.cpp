#include "FloatText.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>

namespace {

constexpr int kMaxFloatDigits = 9;  // enough for any float to read back exactly
// Halfway between the largest float and 2^128: numbers below it round to a finite float.
constexpr double kFloatOverflow = 0x1.ffffffp127;

uint32_t BitsOf(float value) {
    uint32_t bits = 0;
    std::memcpy(&bits, &value, sizeof bits);
    return bits;
}

float FloatOfBits(uint32_t bits) {
    float value = 0;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

// The value with `digits` significant digits, like printf's %.<digits>g but independent of the locale.
std::string GeneralText(float value, int digits) {
    char text[48];
    const std::to_chars_result result =
        std::to_chars(text, text + sizeof text, value, std::chars_format::general, digits);
    return std::string(text, result.ptr);
}

template <typename Number>
std::optional<Number> ParseNumber(const std::string& text) {
    Number number{};
    const std::from_chars_result result = std::from_chars(text.data(), text.data() + text.size(), number);
    if (result.ec != std::errc() || result.ptr != text.data() + text.size()) return std::nullopt;
    return number;
}

bool ReadsBackAs(const std::string& text, float value) {
    const std::optional<float> parsed = ParseNumber<float>(text);
    return parsed && SameFloatBits(*parsed, value);
}

std::optional<uint32_t> ParseHexBits(const std::string& text) {
    if (text.size() != 10 || text[0] != '0' || (text[1] != 'x' && text[1] != 'X')) return std::nullopt;
    uint32_t bits = 0;
    for (size_t i = 2; i < text.size(); ++i) {
        const char c = text[i];
        uint32_t digit = 0;
        if (c >= '0' && c <= '9') {
            digit = static_cast<uint32_t>(c - '0');
        } else if (c >= 'a' && c <= 'f') {
            digit = static_cast<uint32_t>(c - 'a' + 10);
        } else if (c >= 'A' && c <= 'F') {
            digit = static_cast<uint32_t>(c - 'A' + 10);
        } else {
            return std::nullopt;
        }
        bits = bits << 4 | digit;
    }
    return bits;
}

}  // namespace

bool SameFloatBits(float a, float b) { return BitsOf(a) == BitsOf(b); }

std::string ShortestFloatText(float value) {
    for (int digits = 1; digits < kMaxFloatDigits; ++digits) {
        std::string text = GeneralText(value, digits);
        if (ReadsBackAs(text, value)) return text;
    }
    return GeneralText(value, kMaxFloatDigits);
}

std::string FloatBitsText(float value) {
    static const char kDigits[] = "0123456789abcdef";
    const uint32_t bits = BitsOf(value);
    std::string text = "0x";
    for (int shift = 28; shift >= 0; shift -= 4) text += kDigits[(bits >> shift) & 0x0F];
    return text;
}

Json FloatToJson(float value) {
    if (!std::isfinite(value)) return FloatBitsText(value);
    // The JSON number is a double: take the shortest decimal whose double still rounds to the float.
    for (int digits = 1; digits <= kMaxFloatDigits; ++digits) {
        const std::string text = GeneralText(value, digits);
        if (!ReadsBackAs(text, value)) continue;
        const std::optional<double> number = ParseNumber<double>(text);
        if (number && SameFloatBits(static_cast<float>(*number), value)) return *number;
    }
    return static_cast<double>(value);  // exact, so it always converts back
}

std::optional<float> FloatFromJson(const Json& value, std::string& why) {
    if (value.is_string()) {
        const std::optional<uint32_t> bits = ParseHexBits(value.get<std::string>());
        if (bits) return FloatOfBits(*bits);
    } else if (value.is_number()) {
        const double number = value.get<double>();
        if (std::fabs(number) < kFloatOverflow) return static_cast<float>(number);
        why = "number beyond the float range (write infinities as \"0x7f800000\" or \"0xff800000\")";
        return std::nullopt;
    }
    why = "must be a number or \"0x\" followed by 8 hex digits";
    return std::nullopt;
}
