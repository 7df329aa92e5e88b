#include <gtest/gtest.h>

#include "DemoOptions.h"

namespace {

ParsedOptions Parse(std::vector<std::string> arguments) { return ParseDemoOptions(arguments); }

}  // namespace

TEST(vgedemo_Options, NoArgumentsRunUntilClosedOnTheDesktopAsItIs) {
    const ParsedOptions parsed = Parse({});
    EXPECT_TRUE(parsed.error.empty());
    EXPECT_FALSE(parsed.options.seconds.has_value());
    EXPECT_FALSE(parsed.options.selfDrive);
    EXPECT_FALSE(parsed.options.backdrop);
    EXPECT_FALSE(parsed.options.help);
}

TEST(vgedemo_Options, EveryOptionInAnyOrder) {
    const ParsedOptions parsed = Parse({"--backdrop", "--seconds", "20", "--self-drive"});
    ASSERT_TRUE(parsed.error.empty()) << parsed.error;
    EXPECT_EQ(parsed.options.seconds, 20u);
    EXPECT_TRUE(parsed.options.selfDrive);
    EXPECT_TRUE(parsed.options.backdrop);
    EXPECT_TRUE(Parse({"-h"}).options.help);
    EXPECT_TRUE(Parse({"--help"}).options.help);
}

TEST(vgedemo_Options, SecondsAreAWholeNumberFromOneToADay) {
    EXPECT_EQ(Parse({"--seconds", "1"}).options.seconds, 1u);
    EXPECT_EQ(Parse({"--seconds", "86400"}).options.seconds, 86400u);
    for (const char* bad : {"0", "86401", "-5", "+5", "12x", "", "1.5", "99999999999999999999"}) {
        const ParsedOptions parsed = Parse({"--seconds", bad});
        EXPECT_FALSE(parsed.error.empty()) << bad;
        EXPECT_NE(parsed.error.find(std::string("\"") + bad + "\""), std::string::npos) << parsed.error;
        EXPECT_FALSE(parsed.options.seconds.has_value()) << bad;
    }
}

TEST(vgedemo_Options, MistakesAreNamed) {
    EXPECT_EQ(Parse({"--seconds"}).error, "--seconds needs a number of seconds");
    EXPECT_EQ(Parse({"--self-drive", "--fast"}).error, "unknown option \"--fast\"");
    EXPECT_EQ(Parse({"20"}).error, "unknown option \"20\"");
}
