#include "CDeskChannel.h"

#include "CDeskCommandDispatcher.h"
#include "CDeskListener.h"
#include "CUserOnlySecurity.h"

#include <mutex>
#include <utility>
#include <vector>

namespace desk {
namespace {

constexpr UINT kLinesWaiting = WM_APP + 1;
constexpr UINT kQuitAnswered = WM_APP + 2;
constexpr wchar_t kWindowClass[] = L"VimroDeskChannel";

std::string Narrow(const std::wstring& ascii) {
    return std::string(ascii.begin(), ascii.end());
}

}  // namespace

// Lines from the clients' threads reach the dispatcher through a hidden message-only window
// of the UI thread: one posted message per batch, the batch itself in an inbox.
class CDeskChannel::Impl final : public IDeskLineSink {
public:
    Impl(IDeskCharacters& characters, std::function<void()> onQuit, DeskChannelLimits limits)
        : m_onQuit(std::move(onQuit)), m_pipeName(DeskPipeName()),
          m_dispatcher(characters, DeskServerInfo{GetCurrentProcessId(), Narrow(m_pipeName)}),
          m_limits(limits) {}
    ~Impl() override {
        if (m_listener) m_listener->Stop();
    }

    bool Start() {
        if (m_listener) return true;
        if (!m_security.Build(m_startError)) return false;
        if (!CreateWindowForLines()) return false;
        auto listener = std::make_unique<CDeskListener>(m_pipeName, m_security.Attributes(), *this, m_limits);
        if (!listener->Start(m_startError)) return false;
        m_listener = std::move(listener);
        return true;
    }

    void Submit(std::string line, std::shared_ptr<CDeskExchange> exchange) override {
        std::lock_guard<std::mutex> lock(m_inboxMutex);
        m_inbox.push_back({std::move(line), std::move(exchange)});
        // A failed post is retried with the next line.
        if (!m_posted) m_posted = PostMessageW(m_window.Get(), kLinesWaiting, 0, 0) != FALSE;
    }

    void RequestQuit() override { PostMessageW(m_window.Get(), kQuitAnswered, 0, 0); }

    const std::string& StartError() const { return m_startError; }
    const std::wstring& PipeName() const { return m_pipeName; }

private:
    struct PendingLine {
        std::string line;
        std::shared_ptr<CDeskExchange> exchange;
    };

    bool CreateWindowForLines() {
        WNDCLASSEXW windowClass{};
        windowClass.cbSize = sizeof(windowClass);
        windowClass.lpfnWndProc = &Impl::WindowProcedure;
        windowClass.hInstance = GetModuleHandleW(nullptr);
        windowClass.lpszClassName = kWindowClass;
        if (!RegisterClassExW(&windowClass) && GetLastError() != ERROR_CLASS_ALREADY_EXISTS) {
            m_startError = "cannot register the channel's window class (error " + std::to_string(GetLastError()) + ")";
            return false;
        }
        m_window.Reset(CreateWindowExW(0, kWindowClass, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                       windowClass.hInstance, nullptr));
        if (!m_window) {
            m_startError = "cannot create the channel's window (error " + std::to_string(GetLastError()) + ")";
            return false;
        }
        SetWindowLongPtrW(m_window.Get(), GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
        return true;
    }

    static LRESULT CALLBACK WindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
        auto* self = reinterpret_cast<Impl*>(GetWindowLongPtrW(window, GWLP_USERDATA));
        if (self != nullptr && message == kLinesWaiting) {
            self->DispatchWaitingLines();
            return 0;
        }
        if (self != nullptr && message == kQuitAnswered) {
            if (self->m_onQuit) self->m_onQuit();
            return 0;
        }
        return DefWindowProcW(window, message, wParam, lParam);
    }

    // Safe against re-entry: a request that pumps messages (a message box of the engine)
    // may bring the next batch in while this one runs.
    void DispatchWaitingLines() {
        std::vector<PendingLine> batch;
        {
            std::lock_guard<std::mutex> lock(m_inboxMutex);
            batch.swap(m_inbox);
            m_posted = false;
        }
        for (PendingLine& pending : batch)
            m_dispatcher.Dispatch(pending.line, [exchange = std::move(pending.exchange)](DeskReply reply) {
                exchange->Deliver(std::move(reply));
            });
    }

    std::function<void()> m_onQuit;
    std::wstring m_pipeName;
    CDeskCommandDispatcher m_dispatcher;
    DeskChannelLimits m_limits;
    std::string m_startError;
    CUserOnlySecurity m_security;
    UniqueWindow m_window;
    std::mutex m_inboxMutex;
    std::vector<PendingLine> m_inbox;
    bool m_posted = false;
    std::unique_ptr<CDeskListener> m_listener;
};

CDeskChannel::CDeskChannel(IDeskCharacters& characters, std::function<void()> onQuit, DeskChannelLimits limits)
    : m_impl(std::make_unique<Impl>(characters, std::move(onQuit), limits)) {}

CDeskChannel::~CDeskChannel() = default;

bool CDeskChannel::Start() { return m_impl->Start(); }

const std::string& CDeskChannel::StartError() const { return m_impl->StartError(); }

const std::wstring& CDeskChannel::PipeName() const { return m_impl->PipeName(); }

}  // namespace desk
