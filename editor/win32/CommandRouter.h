#pragma once
// Sends a window's WM_COMMAND messages to handlers chosen by control identifier and
// notification code.
#include <functional>
#include <map>
#include <utility>

class CCommandRouter {
public:
    using Handler = std::function<void()>;

    // Buttons and menu items (notification code 0).
    void OnCommand(int id, Handler handler) { OnNotification(id, 0, std::move(handler)); }
    void OnNotification(int id, int code, Handler handler) { m_handlers[{id, code}] = std::move(handler); }
    // Runs the handler of (id, code); false when there is none.
    bool Route(int id, int code) const;

private:
    std::map<std::pair<int, int>, Handler> m_handlers;
};
