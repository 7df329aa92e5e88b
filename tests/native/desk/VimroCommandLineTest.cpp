// vimro's arguments to requests, and the companion's replies to vimro's one line.
#include "VimroArguments.h"
#include "VimroReply.h"

#include <gtest/gtest.h>

namespace desk {
namespace {

using nlohmann::json;

json RequestOf(std::vector<std::string> arguments) {
    const ParsedVimroArguments parsed = ParseVimroArguments(arguments);
    EXPECT_TRUE(parsed.invocation) << parsed.usageError;
    return parsed.invocation ? parsed.invocation->request : json();
}

std::string UsageErrorOf(std::vector<std::string> arguments) {
    const ParsedVimroArguments parsed = ParseVimroArguments(arguments);
    EXPECT_FALSE(parsed.invocation);
    return parsed.usageError;
}

TEST(VimroArguments, BuildsTheRequestOfEachCommand) {
    EXPECT_EQ(RequestOf({"show", "Pip"}), json({{"command", "show"}, {"name", "Pip"}}));
    EXPECT_EQ(RequestOf({"play", "Pip", "Walk", "-20", "300", "--wait"}),
              json({{"command", "play"}, {"name", "Pip"}, {"animation", "Walk"}, {"x", -20}, {"y", 300}, {"wait", true}}));
    EXPECT_EQ(RequestOf({"say", "--wait", "Pip", "Hello", "there"}),
              json({{"command", "say"}, {"name", "Pip"}, {"text", "Hello there"}, {"wait", true}}));
    EXPECT_EQ(RequestOf({"think", "Pip", "--", "--wait", "is", "a", "word"}),
              json({{"command", "think"}, {"name", "Pip"}, {"text", "--wait is a word"}}));
    EXPECT_EQ(RequestOf({"move", "Pip", "0", "-1000000"}), json({{"command", "move"}, {"name", "Pip"}, {"x", 0}, {"y", -1000000}}));
    EXPECT_EQ(RequestOf({"list"}), json({{"command", "list"}}));
    EXPECT_TRUE(ParseVimroArguments({"list"}).invocation->startsCompanion);
    EXPECT_FALSE(ParseVimroArguments({"status"}).invocation->startsCompanion);
    EXPECT_FALSE(ParseVimroArguments({"quit"}).invocation->startsCompanion);
}

TEST(VimroArguments, RefusesWhatIsNotACommand) {
    EXPECT_EQ(UsageErrorOf({}), "no command given");
    EXPECT_EQ(UsageErrorOf({"dance", "Pip"}), "unknown command \"dance\"");
    EXPECT_EQ(UsageErrorOf({"show"}), "show needs a character's NAME");
    EXPECT_EQ(UsageErrorOf({"show", "Pip", "Rex"}), "show takes only NAME");
    EXPECT_EQ(UsageErrorOf({"show", "Pip", "--wait"}), "--wait goes with play, say and think only");
    EXPECT_EQ(UsageErrorOf({"say", "Pip", "--loud"}), "unknown option --loud");
    EXPECT_EQ(UsageErrorOf({"say", "Pip"}), "say needs a TEXT");
    EXPECT_EQ(UsageErrorOf({"play", "Pip", "Walk", "3"}), "play takes NAME ANIMATION [X Y]");
    for (const char* bad : {"1.5", "x", "", "-", "1e3", "99999999", "+4"})
        EXPECT_NE(UsageErrorOf({"move", "Pip", bad, "0"}).find("whole numbers"), std::string::npos) << bad;
    EXPECT_EQ(UsageErrorOf({"status", "now"}), "status takes no arguments");
    EXPECT_EQ(std::string(VimroUsage()).find('\n'), std::string::npos);
}

TEST(VimroReply, SaysEachAnswerOnOneLine) {
    EXPECT_EQ(DescribeVimroReply("show", R"({"ok":true})").line, "ok");
    EXPECT_EQ(DescribeVimroReply("say", R"({"ok":true,"requestId":4})").line, "queued (request 4)");
    EXPECT_EQ(DescribeVimroReply("say", R"({"ok":true,"requestId":4,"completed":true})").line, "done (request 4)");
    EXPECT_EQ(DescribeVimroReply("list", R"({"ok":true,"characters":[{"name":"Pip","shown":true,"x":1,"y":-2},{"name":"Rex","shown":false}]})")
                  .line,
              "Pip: shown at 1,-2; Rex: hidden");
    EXPECT_EQ(DescribeVimroReply("list", R"({"ok":true,"characters":[]})").line, "no characters installed");
    const VimroOutcome status = DescribeVimroReply("status", R"({"ok":true,"running":true,"processId":12,"pipe":"\\\\.\\pipe\\VimroDesk-3"})");
    EXPECT_EQ(status.exitCode, 0);
    EXPECT_EQ(status.line, "running, process 12, pipe \\\\.\\pipe\\VimroDesk-3");

    const VimroOutcome refused = DescribeVimroReply("play", R"({"ok":false,"error":"Pip has no\nanimation \"Fly\""})");
    EXPECT_EQ(refused.exitCode, 1);
    EXPECT_EQ(refused.line, "Pip has no animation \"Fly\"");
    for (const char* garbage : {"", "nonsense", "[1]", R"({"ok":"yes"})"}) {
        const VimroOutcome outcome = DescribeVimroReply("show", garbage);
        EXPECT_EQ(outcome.exitCode, 1) << garbage;
        EXPECT_EQ(outcome.line, "the companion's reply is not understood") << garbage;
    }
}

}  // namespace
}  // namespace desk
