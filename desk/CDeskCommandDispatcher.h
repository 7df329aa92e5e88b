#pragma once
// Runs the protocol's requests against the characters. Every call, and every reply, happens on
// the thread that owns the characters; a request with "wait" is answered later, once the
// engine reports its end, so that nothing blocks while it plays.
#include "IDeskCharacters.h"

#include <functional>
#include <string>

namespace desk {

struct DeskReply {
    std::string line;   // without the line feed
    bool quit = false;  // the companion should end once this reply is delivered
};

// Called exactly once per dispatched line, possibly after Dispatch has returned.
using DeskRespond = std::function<void(DeskReply)>;

// What "status" reports about the serving process.
struct DeskServerInfo {
    unsigned long processId = 0;
    std::string pipeName;
};

class CDeskCommandDispatcher {
public:
    CDeskCommandDispatcher(IDeskCharacters& characters, DeskServerInfo server)
        : m_characters(characters), m_server(std::move(server)) {}

    void Dispatch(const std::string& line, DeskRespond respond);

private:
    IDeskCharacters& m_characters;
    DeskServerInfo m_server;
};

}  // namespace desk
