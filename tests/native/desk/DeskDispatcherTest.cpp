// The dispatcher over fake characters: what reaches the engine, what the client hears, and when.
#include "CDeskCommandDispatcher.h"
#include "FakeDeskCharacters.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

namespace desk {
namespace {

using nlohmann::json;

class DeskDispatcher : public ::testing::Test {
protected:
    // Every reply the line got so far, parsed.
    std::vector<json> Send(const std::string& line) {
        auto replies = std::make_shared<std::vector<json>>();
        sent.push_back(replies);
        dispatcher.Dispatch(line, [replies, this](DeskReply reply) {
            EXPECT_EQ(reply.line.find('\n'), std::string::npos);
            replies->push_back(json::parse(reply.line));
            if (reply.quit) ++quits;
        });
        return *replies;
    }
    const std::vector<json>& RepliesTo(std::size_t sentIndex) const { return *sent.at(sentIndex); }

    FakeDeskCharacters characters;
    CDeskCommandDispatcher dispatcher{characters, {4242, "\\\\.\\pipe\\VimroDesk-1"}};
    std::vector<std::shared_ptr<std::vector<json>>> sent;
    int quits = 0;
};

TEST_F(DeskDispatcher, AnswersEveryBadLineOnceWithoutTouchingTheCharacters) {
    for (const char* line : {"", "not json", "{\"command\":\"fly\"}", "{\"command\":\"say\",\"name\":1,\"text\":\"x\"}",
                             "{\"command\":\"move\",\"name\":\"Pip\"}", "null"}) {
        const auto replies = Send(line);
        ASSERT_EQ(replies.size(), 1u) << line;
        EXPECT_EQ(replies[0]["ok"], false) << line;
        EXPECT_TRUE(replies[0]["error"].is_string()) << line;
    }
    EXPECT_TRUE(characters.calls.empty());
}

TEST_F(DeskDispatcher, PlayNeverAsksForAnAnimationTheCharacterLacks) {
    EXPECT_EQ(Send(R"({"command":"play","name":"Pip","animation":"Fly"})")[0]["error"], "Pip has no animation \"Fly\"");
    EXPECT_EQ(Send(R"({"command":"play","name":"Nobody","animation":"Greet"})")[0]["error"],
              "no character named \"Nobody\" is installed");
    EXPECT_TRUE(characters.calls.empty());
    // Another letter case is the listed animation, passed on as listed.
    const auto replies = Send(R"({"command":"play","name":"Pip","animation":"wALK","x":10,"y":20})");
    EXPECT_EQ(replies[0], json({{"ok", true}, {"requestId", 1}}));
    EXPECT_EQ(characters.calls, std::vector<std::string>{"Play Pip Walk 10,20"});
}

TEST_F(DeskDispatcher, WaitRepliesOnlyOnceTheRequestEndsAndOthersGoOnMeanwhile) {
    Send(R"({"command":"say","name":"Pip","text":"Hello","wait":true,"id":"first"})");
    Send(R"({"command":"think","name":"Rex","text":"Hmm","wait":true})");
    EXPECT_TRUE(RepliesTo(0).empty());
    // A client without wait is answered at once while the two wait.
    EXPECT_EQ(Send(R"({"command":"say","name":"Pip","text":"Now"})")[0]["requestId"], 3);

    characters.Complete(2, false);
    ASSERT_EQ(RepliesTo(1).size(), 1u);
    EXPECT_EQ(RepliesTo(1)[0]["ok"], false);
    EXPECT_TRUE(RepliesTo(0).empty());
    characters.Complete(1, true);
    ASSERT_EQ(RepliesTo(0).size(), 1u);
    EXPECT_EQ(RepliesTo(0)[0], json({{"ok", true}, {"id", "first"}, {"requestId", 1}, {"completed", true}}));
}

TEST_F(DeskDispatcher, AnEngineThatReportsTwiceOrThrowsStillGivesOneReply) {
    Send(R"({"command":"play","name":"Pip","animation":"Greet","wait":true})");
    auto callbacks = characters.waiting[1];
    for (auto& done : callbacks) done(true);
    for (auto& done : callbacks) done(false);
    ASSERT_EQ(RepliesTo(0).size(), 1u);
    EXPECT_EQ(RepliesTo(0)[0]["completed"], true);

    characters.throwOnSay = true;
    const auto replies = Send(R"({"command":"say","name":"Pip","text":"x"})");
    ASSERT_EQ(replies.size(), 1u);
    EXPECT_EQ(replies[0]["error"], "internal error: the engine went away");
}

TEST_F(DeskDispatcher, RunsTheOtherCommands) {
    EXPECT_EQ(Send(R"({"command":"show","name":"Pip"})")[0], json({{"ok", true}}));
    EXPECT_EQ(Send(R"({"command":"hide","name":"Nobody"})")[0]["error"], "no character named Nobody is installed");
    EXPECT_EQ(Send(R"({"command":"move","name":"Pip","x":-3,"y":7})")[0], json({{"ok", true}}));
    EXPECT_EQ(Send(R"({"command":"list"})")[0]["characters"],
              json::parse(R"([{"name":"Pip","shown":true,"x":-3,"y":7},{"name":"Rex","shown":true,"x":40,"y":60}])"));
    EXPECT_EQ(Send(R"({"command":"status"})")[0],
              json({{"ok", true}, {"running", true}, {"processId", 4242}, {"pipe", "\\\\.\\pipe\\VimroDesk-1"}}));
    EXPECT_EQ(quits, 0);
    EXPECT_EQ(Send(R"({"command":"quit","id":9})")[0], json({{"ok", true}, {"id", 9}}));
    EXPECT_EQ(quits, 1);
    EXPECT_EQ(characters.calls, (std::vector<std::string>{"Show Pip", "Hide Nobody", "Move Pip -3,7", "List"}));
}

}  // namespace
}  // namespace desk
