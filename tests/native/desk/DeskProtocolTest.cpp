// The request parser and the line reader against hostile input.
#include "CDeskLineReader.h"
#include "DeskProtocol.h"

#include <gtest/gtest.h>

namespace desk {
namespace {

std::string ErrorOf(const std::string& line) {
    const ParsedDeskRequest parsed = ParseDeskRequest(line);
    EXPECT_FALSE(parsed.request.has_value()) << line;
    return parsed.error;
}

TEST(DeskProtocol, RefusesLinesThatAreNotRequests) {
    EXPECT_EQ(ErrorOf("hello"), "the line is not JSON");
    EXPECT_EQ(ErrorOf("{\"command\":\"show\""), "the line is not JSON");
    EXPECT_EQ(ErrorOf("{\"command\":\"show\"} trailing"), "the line is not JSON");
    EXPECT_EQ(ErrorOf("[\"show\",\"Pip\"]"), "the request must be a JSON object");
    EXPECT_EQ(ErrorOf("42"), "the request must be a JSON object");
    EXPECT_EQ(ErrorOf("{}"), "missing field \"command\" (a string)");
    EXPECT_EQ(ErrorOf("{\"command\":7}"), "missing field \"command\" (a string)");
    EXPECT_EQ(ErrorOf("{\"command\":\"dance\",\"name\":\"Pip\"}"), "unknown command \"dance\"");
    // Not UTF-8 inside a string.
    EXPECT_EQ(ErrorOf("{\"command\":\"show\",\"name\":\"\xff\xfe\"}"), "the line is not JSON");
}

TEST(DeskProtocol, ChecksEveryFieldOfEveryCommand) {
    EXPECT_EQ(ErrorOf(R"({"command":"show"})"), "missing field \"name\"");
    EXPECT_EQ(ErrorOf(R"({"command":"hide","name":3})"), "\"name\" must be a string");
    EXPECT_EQ(ErrorOf(R"({"command":"show","name":""})"), "\"name\" must not be empty");
    EXPECT_EQ(ErrorOf(R"({"command":"show","name":"Pip","nmae":"x"})"), "unknown field \"nmae\" for show");
    EXPECT_EQ(ErrorOf(R"({"command":"list","name":"Pip"})"), "unknown field \"name\" for list");
    EXPECT_EQ(ErrorOf(R"({"command":"show","name":"Pip","wait":true})"), "unknown field \"wait\" for show");
    EXPECT_EQ(ErrorOf(R"({"command":"play","name":"Pip"})"), "missing field \"animation\"");
    EXPECT_EQ(ErrorOf(R"({"command":"play","name":"Pip","animation":"Greet","x":1})"), "\"x\" and \"y\" go together");
    EXPECT_EQ(ErrorOf(R"({"command":"play","name":"Pip","animation":"Greet","x":1.5,"y":2})"), "\"x\" must be an integer");
    EXPECT_EQ(ErrorOf(R"({"command":"say","name":"Pip"})"), "missing field \"text\"");
    EXPECT_EQ(ErrorOf(R"({"command":"say","name":"Pip","text":["Hi"]})"), "\"text\" must be a string");
    EXPECT_EQ(ErrorOf(R"({"command":"say","name":"Pip","text":"Hi","wait":"yes"})"), "\"wait\" must be true or false");
    EXPECT_EQ(ErrorOf(R"({"command":"move","name":"Pip"})"), "missing fields \"x\" and \"y\"");
    EXPECT_EQ(ErrorOf(R"({"command":"move","name":"Pip","x":"1","y":2})"), "\"x\" must be an integer");
    EXPECT_EQ(ErrorOf(R"({"command":"move","name":"Pip","x":1,"y":18446744073709551615})"), "\"y\" is out of range");
    EXPECT_EQ(ErrorOf(R"({"command":"move","name":"Pip","x":-1000001,"y":0})"), "\"x\" is out of range");
    EXPECT_EQ(ErrorOf(R"({"command":"status","id":{"a":1}})"), "\"id\" must be a string or an integer");
    EXPECT_EQ(ErrorOf(R"({"command":"say","name":"Pip","text":")" + std::string(kMaxDeskTextBytes + 1, 'a') + "\"}"),
              "\"text\" is longer than 16384 bytes");
}

TEST(DeskProtocol, ReadsWellFormedRequests) {
    const auto play = ParseDeskRequest(R"({"command":"play","name":"Pip","animation":"Walk","x":-5,"y":900,"wait":true,"id":"a1"})");
    ASSERT_TRUE(play.request) << play.error;
    EXPECT_EQ(play.request->command, DeskCommand::Play);
    EXPECT_EQ(play.request->animation, "Walk");
    ASSERT_TRUE(play.request->point);
    EXPECT_EQ(play.request->point->x, -5);
    EXPECT_EQ(play.request->point->y, 900);
    EXPECT_TRUE(play.request->wait);
    EXPECT_EQ(play.id, "a1");

    const auto say = ParseDeskRequest(R"({"command":"say","name":"Pip","text":""})");
    ASSERT_TRUE(say.request) << say.error;
    EXPECT_FALSE(say.request->wait);
    EXPECT_FALSE(say.request->point);
}

TEST(DeskProtocol, SurvivesDeepNesting) {
    // Within the line limit, but deep enough to overflow a recursive parser's stack.
    const std::string deep = std::string(60000, '[') + std::string(60000, ']');
    EXPECT_EQ(ErrorOf(deep), "the request must be a JSON object");
    EXPECT_EQ(ErrorOf("{\"command\":\"show\",\"name\":" + std::string(60000, '[')), "the line is not JSON");
}

TEST(DeskProtocol, RepliesAreSingleLinesThatCarryTheId) {
    EXPECT_EQ(DeskOkReply(7, {{"requestId", 3}}), R"({"id":7,"ok":true,"requestId":3})");
    const std::string error = DeskErrorReply("x", "bad\nthing \xff");
    EXPECT_EQ(error.find('\n'), std::string::npos);
    const auto reparsed = nlohmann::json::parse(error);
    EXPECT_EQ(reparsed["ok"], false);
    EXPECT_EQ(reparsed["id"], "x");
    EXPECT_EQ(reparsed["error"], "bad\nthing \xEF\xBF\xBD");
}

TEST(DeskLineReader, CutsLinesAcrossChunksAndRefusesLongOnes) {
    CDeskLineReader reader(10);
    std::vector<std::string> lines;
    EXPECT_TRUE(reader.Append("ab", 2, lines));
    const std::string mixed = "c\r\n\n\r\nde\nf";
    EXPECT_TRUE(reader.Append(mixed.data(), mixed.size(), lines));
    EXPECT_EQ(lines, (std::vector<std::string>{"abc", "de"}));
    EXPECT_TRUE(reader.HasPartialLine());

    lines.clear();
    EXPECT_TRUE(reader.Append("123456789\n", 10, lines));  // "f" + 9 = the limit exactly
    EXPECT_EQ(lines, (std::vector<std::string>{"f123456789"}));
    EXPECT_FALSE(reader.Append("12345678901", 11, lines));
    EXPECT_TRUE(reader.Overflowed());
    EXPECT_FALSE(reader.Append("\nok\n", 4, lines));
    EXPECT_EQ(lines.size(), 1u);
}

TEST(DeskLineReader, KeepsLinesBeforeAnOverflowInTheSameChunk) {
    CDeskLineReader reader(4);
    std::vector<std::string> lines;
    const std::string chunk = "one\ntwo\nthree-is-too-long\n";
    EXPECT_FALSE(reader.Append(chunk.data(), chunk.size(), lines));
    EXPECT_EQ(lines, (std::vector<std::string>{"one", "two"}));
}

}  // namespace
}  // namespace desk
