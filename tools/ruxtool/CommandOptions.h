#pragma once
// Splitting a command's words into operands and --options, and reading option values.
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

struct KnownOptions {
    std::set<std::string> withValue;  // "--time" takes the next word as its value
    std::set<std::string> flags;      // "--replace" stands alone
};

struct ParsedWords {
    std::vector<std::string> operands;
    std::map<std::string, std::string> values;
    std::set<std::string> flags;
    std::string error;  // an unknown option, a missing value or an option given twice
};

ParsedWords ParseWords(const std::vector<std::string>& words, const KnownOptions& known);

// Sets why and gives false: the end of a check that failed.
inline bool Refuse(std::string& why, std::string text) {
    why = std::move(text);
    return false;
}

// "X,Y" as two finite floats.
std::optional<std::pair<float, float>> ParseFloatPair(const std::string& text);
// "X,Y" as two integers within +-2^31.
std::optional<std::pair<int32_t, int32_t>> ParseIntPair(const std::string& text);
// A whole number from minimum to maximum, digits only.
std::optional<uint32_t> ParseUnsigned(const std::string& text, uint32_t minimum, uint32_t maximum);
// "CxR" with both from 1 to maximum.
std::optional<std::pair<uint32_t, uint32_t>> ParseGrid(const std::string& text, uint32_t maximum);
// "RRGGBB" in hex, as 0xRRGGBB.
std::optional<uint32_t> ParseRgbHex(const std::string& text);
// A command-line text as the model's Windows-1252 bytes: Windows passes them already so;
// elsewhere the text is UTF-8 and is converted (why says what cannot be written).
std::optional<std::string> ModelTextFromArgument(const std::string& text, std::string& why);
