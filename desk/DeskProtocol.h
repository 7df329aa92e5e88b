#pragma once
// The companion's line protocol: one JSON object per line each way. A request names its
// command and that command's fields; a reply is {"ok":true,...} or {"ok":false,"error":...}.
// An optional "id" (string or integer) in a request comes back in its reply.
#include "IDeskCharacters.h"

#include <nlohmann/json.hpp>

#include <optional>
#include <string>
#include <string_view>

namespace desk {

enum class DeskCommand { Show, Hide, Play, Say, Think, Move, List, Status, Quit };

struct DeskRequest {
    DeskCommand command = DeskCommand::Status;
    std::string name;
    std::string animation;
    std::string text;
    std::optional<DeskPoint> point;
    bool wait = false;
};

// A request, or why the line is not one. id is the request's "id" when it had a usable one.
struct ParsedDeskRequest {
    std::optional<DeskRequest> request;
    std::string error;
    nlohmann::json id;
};

// Longest character name and text a request may carry, in bytes of UTF-8.
constexpr std::size_t kMaxDeskNameBytes = 256;
constexpr std::size_t kMaxDeskTextBytes = 16 * 1024;
// Coordinates beyond any desktop are refused before they reach the engine's arithmetic.
constexpr long kMaxDeskCoordinate = 1000000;

ParsedDeskRequest ParseDeskRequest(std::string_view line);

// One reply line, without the line feed. fields must be an object (or null for none).
std::string DeskOkReply(const nlohmann::json& id, nlohmann::json fields = nullptr);
std::string DeskErrorReply(const nlohmann::json& id, std::string_view error);

}  // namespace desk
