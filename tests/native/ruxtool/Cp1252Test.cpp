#include <gtest/gtest.h>

#include "Cp1252.h"

namespace {

TEST(ruxtool_Cp1252, EveryByteSurvivesTheRoundTrip) {
    std::string all;
    for (int byte = 0; byte < 256; ++byte) all += static_cast<char>(byte);
    std::string why;
    EXPECT_EQ(Utf8ToCp1252(Cp1252ToUtf8(all), why), all) << why;
}

TEST(ruxtool_Cp1252, MapsToTheWindowsCharacters) {
    EXPECT_EQ(Cp1252ToUtf8("A\x80\x9F"), "A\xE2\x82\xAC\xC5\xB8");  // euro sign, Y with diaeresis
    EXPECT_EQ(Cp1252ToUtf8("\x93\x94"), "\xE2\x80\x9C\xE2\x80\x9D");
    EXPECT_EQ(Cp1252ToUtf8("\xE9\xFF\xA0"), "\xC3\xA9\xC3\xBF\xC2\xA0");
    // The undefined bytes become the C1 controls of the same value.
    EXPECT_EQ(Cp1252ToUtf8("\x81\x8D\x8F\x90\x9D"), "\xC2\x81\xC2\x8D\xC2\x8F\xC2\x90\xC2\x9D");
}

TEST(ruxtool_Cp1252, RejectsCharactersOutsideTheCodePage) {
    std::string why;
    EXPECT_FALSE(Utf8ToCp1252("\xC4\x80", why));  // U+0100
    EXPECT_NE(why.find("U+0100"), std::string::npos) << why;
    EXPECT_FALSE(Utf8ToCp1252("\xC2\x80", why));          // U+0080: byte 0x80 is the euro sign
    EXPECT_FALSE(Utf8ToCp1252("\xF0\x9F\x98\x80", why));  // an emoji
}

TEST(ruxtool_Cp1252, RejectsMalformedUtf8) {
    // Stray continuation, cut short, overlong (2 and 3 bytes), surrogate, beyond U+10FFFF, bad continuation.
    for (const char* text : {"\x80", "\xC3", "\xC0\xA9", "\xE0\x80\xA9", "\xED\xA0\x80", "\xF4\x90\x80\x80",
                             "\xC3\x28", "\xFF"}) {
        std::string why;
        EXPECT_FALSE(Utf8ToCp1252(text, why)) << ::testing::PrintToString(std::string(text));
        EXPECT_NE(why.find("UTF-8"), std::string::npos) << why;
    }
}

}  // namespace
