#include "CDeskCommandDispatcher.h"

#include "DeskProtocol.h"

#include <exception>
#include <memory>
#include <optional>
#include <utility>

namespace desk {
namespace {

using nlohmann::json;

// Lets respond through once: a second call (an engine that reports an end twice) is dropped.
DeskRespond Once(DeskRespond respond) {
    auto slot = std::make_shared<DeskRespond>(std::move(respond));
    return [slot](DeskReply reply) {
        if (!*slot) return;
        DeskRespond call = std::move(*slot);
        *slot = nullptr;
        call(std::move(reply));
    };
}

bool SameIgnoringCase(const std::string& a, const std::string& b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        const auto lower = [](unsigned char c) { return c >= 'A' && c <= 'Z' ? c + ('a' - 'A') : c; };
        if (lower(static_cast<unsigned char>(a[i])) != lower(static_cast<unsigned char>(b[i]))) return false;
    }
    return true;
}

// The engine accepts an animation name in any letter case; the listed spelling is passed on.
std::optional<std::string> ListedName(const std::vector<std::string>& names, const std::string& wanted) {
    for (const std::string& name : names)
        if (name == wanted) return name;
    for (const std::string& name : names)
        if (SameIgnoringCase(name, wanted)) return name;
    return std::nullopt;
}

json CharacterList(const std::vector<DeskCharacterInfo>& characters) {
    json list = json::array();
    for (const DeskCharacterInfo& info : characters) {
        json entry{{"name", info.name}, {"shown", info.shown}};
        if (info.shown) {
            entry["x"] = info.position.x;
            entry["y"] = info.position.y;
        }
        list.push_back(std::move(entry));
    }
    return json{{"characters", std::move(list)}};
}

std::string Reason(const DeskResult& result) {
    return result.error.empty() ? std::string("the character refused the request") : result.error;
}

class RequestRun {
public:
    RequestRun(IDeskCharacters& characters, const DeskServerInfo& server, const DeskRequest& request,
               json id, DeskRespond respond)
        : m_characters(characters), m_server(server), m_request(request), m_id(std::move(id)),
          m_respond(std::move(respond)) {}

    void Run() {
        switch (m_request.command) {
        case DeskCommand::List: return Ok(CharacterList(m_characters.List()));
        case DeskCommand::Status:
            return Ok(json{{"running", true}, {"processId", m_server.processId}, {"pipe", m_server.pipeName}});
        case DeskCommand::Quit: return m_respond({DeskOkReply(m_id), true});
        case DeskCommand::Show: return Finish(m_characters.Show(m_request.name));
        case DeskCommand::Hide: return Finish(m_characters.Hide(m_request.name));
        case DeskCommand::Move: return Finish(m_characters.Move(m_request.name, *m_request.point));
        case DeskCommand::Play: return Play();
        case DeskCommand::Say: return Queued(m_characters.Say(m_request.name, m_request.text));
        case DeskCommand::Think: return Queued(m_characters.Think(m_request.name, m_request.text));
        }
    }

    void Fail(const std::string& error) { m_respond({DeskErrorReply(m_id, error)}); }

private:
    void Ok(json fields = nullptr) { m_respond({DeskOkReply(m_id, std::move(fields))}); }

    void Finish(const DeskResult& result) {
        if (result.ok) Ok();
        else Fail(Reason(result));
    }

    // An unknown name never reaches the engine: there it would stop the companion with a
    // modal message box.
    void Play() {
        const std::vector<std::string> animations = m_characters.Animations(m_request.name);
        if (animations.empty()) return Fail("no character named \"" + m_request.name + "\" is installed");
        const std::optional<std::string> listed = ListedName(animations, m_request.animation);
        if (!listed) return Fail(m_request.name + " has no animation \"" + m_request.animation + "\"");
        Queued(m_characters.Play(m_request.name, *listed, m_request.point));
    }

    void Queued(const DeskResult& result) {
        if (!result.ok) return Fail(Reason(result));
        const long requestId = result.requestId;
        if (!m_request.wait || requestId == 0) return Ok(json{{"requestId", requestId}});
        m_characters.WhenComplete(m_request.name, requestId,
                                  [respond = m_respond, id = m_id, requestId](bool completed) {
                                      if (completed)
                                          respond({DeskOkReply(id, json{{"requestId", requestId}, {"completed", true}})});
                                      else
                                          respond({DeskErrorReply(id, "the request did not complete: the character "
                                                                      "was hidden or unloaded")});
                                  });
    }

    IDeskCharacters& m_characters;
    const DeskServerInfo& m_server;
    const DeskRequest& m_request;
    json m_id;
    DeskRespond m_respond;
};

}  // namespace

void CDeskCommandDispatcher::Dispatch(const std::string& line, DeskRespond respond) {
    respond = Once(std::move(respond));
    ParsedDeskRequest parsed = ParseDeskRequest(line);
    if (!parsed.request) return respond({DeskErrorReply(parsed.id, parsed.error)});
    RequestRun run(m_characters, m_server, *parsed.request, parsed.id, respond);
    try {
        run.Run();
    } catch (const std::exception& error) {
        // Dropped by Once when the request had already been answered.
        run.Fail(std::string("internal error: ") + error.what());
    }
}

}  // namespace desk
