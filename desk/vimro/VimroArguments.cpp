#include "VimroArguments.h"

#include "DeskProtocol.h"

#include <algorithm>
#include <cstddef>

namespace desk {
namespace {

using nlohmann::json;

struct Words {
    std::vector<std::string> plain;  // after the command word, --wait taken out
    bool wait = false;
    std::string unknownOption;
};

// "--wait" anywhere; "--" makes every later word plain, so that a text may start with "--".
Words SplitWords(const std::vector<std::string>& arguments) {
    Words words;
    bool literal = false;
    for (std::size_t i = 1; i < arguments.size(); ++i) {
        const std::string& word = arguments[i];
        if (!literal && word == "--") literal = true;
        else if (!literal && word == "--wait") words.wait = true;
        else if (!literal && word.size() > 2 && word.compare(0, 2, "--") == 0 && words.unknownOption.empty())
            words.unknownOption = word;
        else words.plain.push_back(word);
    }
    return words;
}

bool ParseCoordinate(const std::string& text, long& out) {
    std::size_t start = !text.empty() && text[0] == '-' ? 1 : 0;
    if (start == text.size() || text.size() - start > 7) return false;
    if (!std::all_of(text.begin() + static_cast<std::ptrdiff_t>(start), text.end(), [](char c) { return c >= '0' && c <= '9'; }))
        return false;
    out = std::stol(text);
    return out >= -kMaxDeskCoordinate && out <= kMaxDeskCoordinate;
}

std::string AddPoint(json& request, const std::string& x, const std::string& y) {
    long px = 0;
    long py = 0;
    if (!ParseCoordinate(x, px) || !ParseCoordinate(y, py))
        return "X and Y must be whole numbers within " + std::to_string(kMaxDeskCoordinate) + " of 0";
    request["x"] = px;
    request["y"] = py;
    return {};
}

std::string Join(const std::vector<std::string>& words, std::size_t from) {
    std::string text;
    for (std::size_t i = from; i < words.size(); ++i) text += (i > from ? " " : "") + words[i];
    return text;
}

// Fills invocation.request for the words after the command; the usage error otherwise.
std::string BuildRequest(const std::string& command, const Words& words, VimroInvocation& invocation) {
    const std::vector<std::string>& w = words.plain;
    json& request = invocation.request;
    request = json{{"command", command}};
    const bool waits = command == "play" || command == "say" || command == "think";
    if (words.wait && !waits) return "--wait goes with play, say and think only";
    if (waits && words.wait) request["wait"] = true;
    if (command == "list" || command == "status" || command == "quit") {
        invocation.startsCompanion = command == "list";
        return w.empty() ? std::string() : command + " takes no arguments";
    }
    if (w.empty() || w[0].empty()) return command + " needs a character's NAME";
    request["name"] = w[0];
    if (command == "show" || command == "hide") return w.size() == 1 ? std::string() : command + " takes only NAME";
    if (command == "move") return w.size() == 3 ? AddPoint(request, w[1], w[2]) : "move takes NAME X Y";
    if (command == "play") {
        if (w.size() != 2 && w.size() != 4) return "play takes NAME ANIMATION [X Y]";
        request["animation"] = w[1];
        return w.size() == 4 ? AddPoint(request, w[2], w[3]) : std::string();
    }
    if (w.size() < 2) return command + " needs a TEXT";
    request["text"] = Join(w, 1);
    return {};
}

}  // namespace

const char* VimroUsage() {
    return "usage: vimro show NAME | hide NAME | play NAME ANIMATION [X Y] [--wait] | say NAME TEXT [--wait] | "
           "think NAME TEXT [--wait] | move NAME X Y | list | status | quit";
}

ParsedVimroArguments ParseVimroArguments(const std::vector<std::string>& arguments) {
    static const char* const kCommands[] = {"show", "hide", "play", "say", "think", "move", "list", "status", "quit"};
    ParsedVimroArguments parsed;
    if (arguments.empty()) {
        parsed.usageError = "no command given";
        return parsed;
    }
    const std::string& command = arguments[0];
    if (std::none_of(std::begin(kCommands), std::end(kCommands), [&](const char* known) { return command == known; })) {
        parsed.usageError = "unknown command \"" + command + "\"";
        return parsed;
    }
    const Words words = SplitWords(arguments);
    if (!words.unknownOption.empty()) {
        parsed.usageError = "unknown option " + words.unknownOption;
        return parsed;
    }
    VimroInvocation invocation;
    invocation.command = command;
    parsed.usageError = BuildRequest(command, words, invocation);
    if (parsed.usageError.empty()) parsed.invocation = std::move(invocation);
    return parsed;
}

}  // namespace desk
