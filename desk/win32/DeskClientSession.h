#pragma once
// Serves one connected client on its own thread: reads request lines (bounded, with a
// deadline), hands each to the UI thread, waits for its reply and writes it back, one request
// at a time, so that replies come back in the order of the requests.
#include "CDeskChannel.h"
#include "CDeskExchange.h"
#include "CDeskPipeConnection.h"

#include <memory>
#include <string>

namespace desk {

class IDeskLineSink {
public:
    virtual ~IDeskLineSink() = default;
    // Any thread: runs line on the UI thread and delivers the reply to exchange.
    virtual void Submit(std::string line, std::shared_ptr<CDeskExchange> exchange) = 0;
    // Any thread: a "quit" has been answered.
    virtual void RequestQuit() = 0;
};

void ServeDeskClient(CDeskPipeConnection& pipe, IDeskLineSink& sink, const DeskChannelLimits& limits,
                     HANDLE stopEvent);

}  // namespace desk
