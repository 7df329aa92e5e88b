// A character owned by a window of the client: on Windows, creating, activating and destroying
// it sends messages to the client's thread, which must answer them while it waits for the
// character thread (Wine does not send them; the runtime tests make the thread send for real).
#include <chrono>

#include "CharacterFixture.h"
#include "WindowValue.h"

using namespace component_tests;

namespace {

// The client's own visible, active top-level window.
class ClientWindow {
public:
    ClientWindow()
        : m_window(CreateWindowExA(0, "STATIC", "client", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 100, 100, 300, 200,
                                   nullptr, nullptr, GetModuleHandleA(nullptr), nullptr)) {
        SetForegroundWindow(m_window);
        SetActiveWindow(m_window);
    }
    ClientWindow(const ClientWindow&) = delete;
    ClientWindow& operator=(const ClientWindow&) = delete;
    ~ClientWindow() { DestroyWindow(m_window); }
    HWND Get() const { return m_window; }

private:
    HWND m_window;
};

}  // namespace

TEST(OwnedCharacter, ReleasingAVisibleActiveCharacterOwnedByTheClientReturns) {
    SetFileList({Files().hero});
    com::ComPtr<IGraphicEngine> engine = CreateEngine();
    ASSERT_TRUE(engine);
    const ClientWindow client;
    com::ComPtr<ICharacter> hero = LoadCharacter(engine.Get(), L"h", L"Hero", client.Get());
    ASSERT_TRUE(hero);
    LONG handle = 0;
    hero->get_hWnd(&handle);
    const auto characterWindow = reinterpret_cast<HWND>(WireToHandle(handle));
    EXPECT_EQ(GetWindow(characterWindow, GW_OWNER), client.Get());
    hero->put_Visible(1);  // shown and brought forward: the character becomes the active window
    PumpFor(200);
    const auto start = std::chrono::steady_clock::now();
    const com::Bstr id(L"h");
    EXPECT_EQ(engine->Unload(id.Get()), S_OK);
    hero.Reset();
    engine.Reset();
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(5));
    EXPECT_FALSE(IsWindow(characterWindow));
    SetFileList({});
}
