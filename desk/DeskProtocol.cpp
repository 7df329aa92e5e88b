#include "DeskProtocol.h"

#include <array>
#include <cstdint>
#include <utility>

namespace desk {
namespace {

using nlohmann::json;

struct CommandSpec {
    const char* word;
    DeskCommand command;
    bool name;
    bool animation;
    bool text;
    bool point;     // "x" and "y"; required for move, both or neither for play
    bool wait;
};

constexpr std::array<CommandSpec, 9> kCommands{{
    {"show", DeskCommand::Show, true, false, false, false, false},
    {"hide", DeskCommand::Hide, true, false, false, false, false},
    {"play", DeskCommand::Play, true, true, false, true, true},
    {"say", DeskCommand::Say, true, false, true, false, true},
    {"think", DeskCommand::Think, true, false, true, false, true},
    {"move", DeskCommand::Move, true, false, false, true, false},
    {"list", DeskCommand::List, false, false, false, false, false},
    {"status", DeskCommand::Status, false, false, false, false, false},
    {"quit", DeskCommand::Quit, false, false, false, false, false},
}};

const CommandSpec* FindCommand(const std::string& word) {
    for (const CommandSpec& spec : kCommands)
        if (word == spec.word) return &spec;
    return nullptr;
}

bool FieldAllowed(const CommandSpec& spec, const std::string& field) {
    if (field == "command" || field == "id") return true;
    if (field == "name") return spec.name;
    if (field == "animation") return spec.animation;
    if (field == "text") return spec.text;
    if (field == "x" || field == "y") return spec.point;
    if (field == "wait") return spec.wait;
    return false;
}

// Reads a required string field into out; the error otherwise.
std::string ReadString(const json& object, const char* field, std::size_t maxBytes,
                       bool mayBeEmpty, std::string& out) {
    const auto found = object.find(field);
    if (found == object.end()) return std::string("missing field \"") + field + "\"";
    if (!found->is_string()) return std::string("\"") + field + "\" must be a string";
    const auto& value = found->get_ref<const std::string&>();
    if (value.empty() && !mayBeEmpty) return std::string("\"") + field + "\" must not be empty";
    if (value.size() > maxBytes)
        return std::string("\"") + field + "\" is longer than " + std::to_string(maxBytes) + " bytes";
    out = value;
    return {};
}

std::string ReadCoordinate(const json& value, const char* field, long& out) {
    if (!value.is_number_integer()) return std::string("\"") + field + "\" must be an integer";
    const bool inRange = value.is_number_unsigned()
                             ? value.get<std::uint64_t>() <= static_cast<std::uint64_t>(kMaxDeskCoordinate)
                             : value.get<std::int64_t>() >= -kMaxDeskCoordinate &&
                                   value.get<std::int64_t>() <= kMaxDeskCoordinate;
    if (!inRange) return std::string("\"") + field + "\" is out of range";
    out = static_cast<long>(value.get<std::int64_t>());
    return {};
}

std::string ReadPoint(const json& object, bool required, std::optional<DeskPoint>& out) {
    const bool hasX = object.contains("x");
    const bool hasY = object.contains("y");
    if (!hasX && !hasY) return required ? "missing fields \"x\" and \"y\"" : std::string();
    if (hasX != hasY) return "\"x\" and \"y\" go together";
    DeskPoint point;
    if (auto error = ReadCoordinate(object["x"], "x", point.x); !error.empty()) return error;
    if (auto error = ReadCoordinate(object["y"], "y", point.y); !error.empty()) return error;
    out = point;
    return {};
}

std::string ReadFields(const json& object, const CommandSpec& spec, DeskRequest& request) {
    for (const auto& item : object.items())
        if (!FieldAllowed(spec, item.key())) return "unknown field \"" + item.key() + "\" for " + spec.word;
    std::string error;
    if (spec.name) error = ReadString(object, "name", kMaxDeskNameBytes, false, request.name);
    if (error.empty() && spec.animation)
        error = ReadString(object, "animation", kMaxDeskNameBytes, false, request.animation);
    if (error.empty() && spec.text) error = ReadString(object, "text", kMaxDeskTextBytes, true, request.text);
    if (error.empty() && spec.point) error = ReadPoint(object, spec.command == DeskCommand::Move, request.point);
    if (error.empty() && object.contains("wait")) {
        if (!object["wait"].is_boolean()) return "\"wait\" must be true or false";
        request.wait = object["wait"].get<bool>();
    }
    return error;
}

json UsableId(const json& object) {
    const auto found = object.find("id");
    if (found == object.end()) return nullptr;
    if (found->is_number_integer() || (found->is_string() && found->get_ref<const std::string&>().size() <= kMaxDeskNameBytes))
        return *found;
    return nullptr;
}

std::string Dump(const json& value) {
    // Replacement instead of an exception for text that is not UTF-8.
    return value.dump(-1, ' ', false, json::error_handler_t::replace);
}

}  // namespace

ParsedDeskRequest ParseDeskRequest(std::string_view line) {
    ParsedDeskRequest parsed;
    json object = json::parse(line.begin(), line.end(), nullptr, false);
    if (object.is_discarded()) {
        parsed.error = "the line is not JSON";
        return parsed;
    }
    if (!object.is_object()) {
        parsed.error = "the request must be a JSON object";
        return parsed;
    }
    parsed.id = UsableId(object);
    if (object.contains("id") && parsed.id.is_null()) {
        parsed.error = "\"id\" must be a string or an integer";
        return parsed;
    }
    const auto command = object.find("command");
    if (command == object.end() || !command->is_string()) {
        parsed.error = "missing field \"command\" (a string)";
        return parsed;
    }
    const CommandSpec* spec = FindCommand(command->get_ref<const std::string&>());
    if (spec == nullptr) {
        parsed.error = "unknown command \"" + command->get_ref<const std::string&>().substr(0, 64) + "\"";
        return parsed;
    }
    DeskRequest request;
    request.command = spec->command;
    parsed.error = ReadFields(object, *spec, request);
    if (parsed.error.empty()) parsed.request = std::move(request);
    return parsed;
}

std::string DeskOkReply(const json& id, json fields) {
    json reply = json::object();
    reply["ok"] = true;
    if (!id.is_null()) reply["id"] = id;
    if (fields.is_object())
        for (auto& item : fields.items()) reply[item.key()] = std::move(item.value());
    return Dump(reply);
}

std::string DeskErrorReply(const json& id, std::string_view error) {
    json reply = json::object();
    reply["ok"] = false;
    if (!id.is_null()) reply["id"] = id;
    reply["error"] = std::string(error);
    return Dump(reply);
}

}  // namespace desk
