#pragma once
// Floats in JSON: numbers that read back to the same 32-bit value, hex bits for NaN and infinities.
#include <optional>
#include <string>

#include "RuxJson.h"

// The shortest decimal that reads back to exactly this finite float ("0.1", "-0", "1e-45").
std::string ShortestFloatText(float value);

// "0x" and the eight lower-case hex digits of the float's bits.
std::string FloatBitsText(float value);

// A JSON number whose conversion to float gives back the value (sign of zero included);
// non-finite values become their FloatBitsText string.
Json FloatToJson(float value);

// The float of a JSON number or of a "0x" + 8 hex digit string; nothing (why says why) for other
// values and for numbers beyond the float range.
std::optional<float> FloatFromJson(const Json& value, std::string& why);

// Whether two floats have the same bits (so -0 differs from 0 and a NaN equals itself).
bool SameFloatBits(float a, float b);
