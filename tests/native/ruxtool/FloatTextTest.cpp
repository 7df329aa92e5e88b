#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <cstring>
#include <limits>

#include "FloatText.h"

namespace {

float FloatOfBits(uint32_t bits) {
    float value = 0;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

// Through JSON text and back to float bits, as dump and build do.
std::optional<uint32_t> BitsThroughJsonText(uint32_t bits) {
    const Json parsed = Json::parse(Json::array({FloatToJson(FloatOfBits(bits))}).dump());
    std::string why;
    const std::optional<float> back = FloatFromJson(parsed[0], why);
    if (!back) return std::nullopt;
    uint32_t backBits = 0;
    std::memcpy(&backBits, &*back, sizeof backBits);
    return backBits;
}

TEST(ruxtool_FloatText, ShortestDecimals) {
    EXPECT_EQ(ShortestFloatText(0.1f), "0.1");
    EXPECT_EQ(ShortestFloatText(1.0f), "1");
    EXPECT_EQ(ShortestFloatText(-0.0f), "-0");
    EXPECT_EQ(ShortestFloatText(1.0f / 3.0f), "0.33333334");
    EXPECT_EQ(ShortestFloatText(16777216.0f), "16777216");
    EXPECT_EQ(ShortestFloatText(std::numeric_limits<float>::denorm_min()), "1e-45");
    EXPECT_EQ(ShortestFloatText(FLT_MAX), "3.4028235e+38");
}

TEST(ruxtool_FloatText, JsonHoldsShortNumbersAndTheBitsOfNonFiniteValues) {
    EXPECT_EQ(Json::array({FloatToJson(0.1f), FloatToJson(-2.5f), FloatToJson(-0.0f)}).dump(), "[0.1,-2.5,-0.0]");
    EXPECT_EQ(FloatToJson(INFINITY), "0x7f800000");
    EXPECT_EQ(FloatToJson(-INFINITY), "0xff800000");
    EXPECT_EQ(FloatToJson(FloatOfBits(0xFFC12345u)), "0xffc12345");
}

// Bit patterns spread over the whole range, the edges of the exponent range and NaN payloads included.
TEST(ruxtool_FloatText, EveryValueReadsBackBitForBit) {
    std::vector<uint32_t> patterns = {0x00000000u, 0x80000000u, 0x00000001u, 0x007FFFFFu, 0x00800000u, 0x7F7FFFFFu,
                                      0xFF7FFFFFu, 0x3F800001u, 0x4B800001u, 0x7F800000u, 0x7FA00001u};
    for (uint64_t bits = 12345; bits <= 0xFFFFFFFFu; bits += 65521) patterns.push_back(static_cast<uint32_t>(bits));
    for (uint32_t bits : patterns) {
        ASSERT_EQ(BitsThroughJsonText(bits), bits) << std::hex << bits << " as " << FloatToJson(FloatOfBits(bits));
    }
}

TEST(ruxtool_FloatText, ReadsHexBitsAndHandWrittenNumbers) {
    std::string why;
    EXPECT_EQ(FloatFromJson(Json("0x3F800000"), why), 1.0f);
    EXPECT_EQ(FloatFromJson(Json("0x40490fdb"), why), 3.14159274f);
    EXPECT_EQ(FloatFromJson(Json(-7), why), -7.0f);
    EXPECT_EQ(FloatFromJson(Json(0.1), why), 0.1f);
    EXPECT_EQ(FloatFromJson(Json(1e-50), why), 0.0f);  // below the float range rounds to zero
    for (const Json& value : {Json("0x3f80000"), Json("0x3f8000000"), Json("0x3f80000g"), Json("1.5"),
                              Json("3f800000"), Json(nullptr), Json(true), Json::array({1}), Json(1e39),
                              Json(-3.5e38)}) {
        EXPECT_FALSE(FloatFromJson(value, why)) << value.dump();
    }
}

}  // namespace
