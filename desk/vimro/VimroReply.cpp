#include "VimroReply.h"

#include <nlohmann/json.hpp>

namespace desk {
namespace {

using nlohmann::json;

std::string Text(const json& object, const char* field) {
    const auto found = object.find(field);
    return found != object.end() && found->is_string() ? found->get<std::string>() : std::string();
}

std::string Integer(const json& object, const char* field) {
    const auto found = object.find(field);
    return found != object.end() && found->is_number_integer() ? std::to_string(found->get<long long>()) : "?";
}

std::string DescribeList(const json& reply) {
    const auto characters = reply.find("characters");
    if (characters == reply.end() || !characters->is_array()) return "the companion's list is not understood";
    std::string line;
    for (const json& entry : *characters) {
        if (!entry.is_object()) continue;
        if (!line.empty()) line += "; ";
        line += Text(entry, "name") + ": ";
        const auto shown = entry.find("shown");
        const bool isShown = shown != entry.end() && shown->is_boolean() && shown->get<bool>();
        line += isShown ? "shown at " + Integer(entry, "x") + "," + Integer(entry, "y") : std::string("hidden");
    }
    return line.empty() ? "no characters installed" : line;
}

std::string Describe(const std::string& command, const json& reply) {
    if (command == "list") return DescribeList(reply);
    if (command == "status")
        return "running, process " + Integer(reply, "processId") + ", pipe " + Text(reply, "pipe");
    if (reply.contains("requestId")) {
        const std::string id = Integer(reply, "requestId");
        return reply.contains("completed") ? "done (request " + id + ")" : "queued (request " + id + ")";
    }
    return "ok";
}

}  // namespace

std::string OneLine(std::string text) {
    for (char& c : text)
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7f) c = ' ';
    return text;
}

VimroOutcome DescribeVimroReply(const std::string& command, const std::string& replyLine) {
    const json reply = json::parse(replyLine, nullptr, false);
    const auto ok = reply.is_object() ? reply.find("ok") : reply.end();
    if (!reply.is_object() || ok == reply.end() || !ok->is_boolean())
        return {1, "the companion's reply is not understood"};
    if (!ok->get<bool>()) {
        const std::string error = Text(reply, "error");
        return {1, OneLine(error.empty() ? "the companion refused without a reason" : error)};
    }
    return {0, OneLine(Describe(command, reply))};
}

}  // namespace desk
