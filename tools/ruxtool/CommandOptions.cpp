#include "CommandOptions.h"

#include <cerrno>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <utility>

#include "Cp1252.h"

namespace {

bool StartsOption(const std::string& word) { return word.size() > 2 && word.compare(0, 2, "--") == 0; }

bool AllDigits(const std::string& text) {
    if (text.empty()) return false;
    for (char c : text) {
        if (c < '0' || c > '9') return false;
    }
    return true;
}

std::optional<float> ParseFiniteFloat(const std::string& text) {
    if (text.empty() || text.find_first_of(" \t\n") != std::string::npos) return std::nullopt;
    errno = 0;
    char* end = nullptr;
    const float value = std::strtof(text.c_str(), &end);
    if (end != text.c_str() + text.size() || errno == ERANGE || !std::isfinite(value)) return std::nullopt;
    return value;
}

std::optional<int32_t> ParseInt32(const std::string& text) {
    const bool negative = !text.empty() && text[0] == '-';
    const std::string digits = negative ? text.substr(1) : text;
    if (!AllDigits(digits) || digits.size() > 10) return std::nullopt;
    const long long magnitude = std::stoll(digits);
    const long long value = negative ? -magnitude : magnitude;
    if (value < INT32_MIN || value > INT32_MAX) return std::nullopt;
    return static_cast<int32_t>(value);
}

// The two halves of "A<separator>B"; nothing without exactly one separator.
std::optional<std::pair<std::string, std::string>> SplitOnce(const std::string& text, char separator) {
    const size_t at = text.find(separator);
    if (at == std::string::npos || text.find(separator, at + 1) != std::string::npos) return std::nullopt;
    return std::make_pair(text.substr(0, at), text.substr(at + 1));
}

// Both numbers, or nothing when either is missing.
template <typename Number>
std::optional<std::pair<Number, Number>> Both(const std::optional<Number>& first, const std::optional<Number>& second) {
    if (!first || !second) return std::nullopt;
    return std::make_pair(*first, *second);
}

}  // namespace

ParsedWords ParseWords(const std::vector<std::string>& words, const KnownOptions& known) {
    ParsedWords parsed;
    for (size_t i = 0; i < words.size(); ++i) {
        const std::string& word = words[i];
        if (!StartsOption(word)) {
            parsed.operands.push_back(word);
            continue;
        }
        const bool seen = parsed.values.count(word) != 0 || parsed.flags.count(word) != 0;
        if (seen) {
            parsed.error = word + " given twice";
        } else if (known.flags.count(word) != 0) {
            parsed.flags.insert(word);
        } else if (known.withValue.count(word) == 0) {
            parsed.error = "unknown option " + word;
        } else if (i + 1 == words.size()) {
            parsed.error = word + " needs a value";
        } else {
            parsed.values[word] = words[++i];
        }
        if (!parsed.error.empty()) return parsed;
    }
    return parsed;
}

std::optional<std::pair<float, float>> ParseFloatPair(const std::string& text) {
    const auto halves = SplitOnce(text, ',');
    if (!halves) return std::nullopt;
    return Both(ParseFiniteFloat(halves->first), ParseFiniteFloat(halves->second));
}

std::optional<std::pair<int32_t, int32_t>> ParseIntPair(const std::string& text) {
    const auto halves = SplitOnce(text, ',');
    if (!halves) return std::nullopt;
    return Both(ParseInt32(halves->first), ParseInt32(halves->second));
}

std::optional<uint32_t> ParseUnsigned(const std::string& text, uint32_t minimum, uint32_t maximum) {
    if (!AllDigits(text) || text.size() > 10) return std::nullopt;
    const unsigned long long value = std::stoull(text);
    if (value < minimum || value > maximum) return std::nullopt;
    return static_cast<uint32_t>(value);
}

std::optional<std::pair<uint32_t, uint32_t>> ParseGrid(const std::string& text, uint32_t maximum) {
    const auto halves = SplitOnce(text, 'x');
    if (!halves) return std::nullopt;
    return Both(ParseUnsigned(halves->first, 1, maximum), ParseUnsigned(halves->second, 1, maximum));
}

std::optional<uint32_t> ParseRgbHex(const std::string& text) {
    if (text.size() != 6) return std::nullopt;
    uint32_t value = 0;
    for (char c : text) {
        int digit = -1;
        if (c >= '0' && c <= '9') digit = c - '0';
        if (c >= 'a' && c <= 'f') digit = c - 'a' + 10;
        if (c >= 'A' && c <= 'F') digit = c - 'A' + 10;
        if (digit < 0) return std::nullopt;
        value = value << 4 | static_cast<uint32_t>(digit);
    }
    return value;
}

std::optional<std::string> ModelTextFromArgument(const std::string& text, std::string& why) {
#ifdef _WIN32
    (void)why;
    return text;
#else
    return Utf8ToCp1252(text, why);
#endif
}
