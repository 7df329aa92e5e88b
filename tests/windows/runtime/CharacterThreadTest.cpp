// Start-up and shutdown of real character threads: the window they make, the failures they
// report and what is left when they end.
#include "Win32Api.h"

#include <gtest/gtest.h>

#include <memory>
#include <thread>
#include <vector>

#include "CharacterMessages.h"
#include "CharacterStartError.h"
#include "CharacterWindowClass.h"
#include "LiveCharacter.h"
#include "Log.h"
#include "MessageBoxWatcher.h"
#include "OwnerWindowSlot.h"
#include "TestPartner.h"

namespace {

// Restores the owner-window slot when a test that sets it ends.
class OwnerSlotScope {
public:
    explicit OwnerSlotScope(HWND owner) { SetOwnerWindowSlot(owner); }
    OwnerSlotScope(const OwnerSlotScope&) = delete;
    OwnerSlotScope& operator=(const OwnerSlotScope&) = delete;
    ~OwnerSlotScope() { SetOwnerWindowSlot(nullptr); }
};

UniqueWindow PlainWindow() {
    return UniqueWindow(CreateWindowExA(0, "STATIC", "owner", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                        GetModuleHandleA(nullptr), nullptr));
}

// The extended style asked for. The system drops the raised edge of a window without a frame,
// and Wine drops topmost from a window with the child bit, so those two are taken as asked.
DWORD ExStyleWithoutSystemAdjustments(HWND window) {
    return static_cast<DWORD>(GetWindowLongA(window, GWL_EXSTYLE)) | WS_EX_WINDOWEDGE | WS_EX_TOPMOST;
}

std::string StartErrorText(const CharacterThreadOptions& options) {
    try {
        CCharacterThread thread(options);
    } catch (const CharacterStartError& error) {
        return error.what();
    }
    return "(started)";
}

}  // namespace

TEST(CharacterThread, MakesAHiddenTopmostWindowOfTheCharacterClass) {
    LiveCharacter character;
    const HWND window = character.Window();
    ASSERT_TRUE(IsWindow(window));
    char className[64] = {};
    GetClassNameA(window, className, sizeof(className));
    EXPECT_STREQ(className, "VGECOMCHWNDCLS");
    EXPECT_EQ(GetClassLongPtrA(window, GCL_STYLE) & CS_DBLCLKS, static_cast<ULONG_PTR>(CS_DBLCLKS));
    EXPECT_EQ(reinterpret_cast<HCURSOR>(GetClassLongPtrA(window, GCLP_HCURSOR)), LoadCursor(nullptr, IDC_ARROW));
    EXPECT_EQ(static_cast<DWORD>(GetWindowLongA(window, GWL_STYLE)), 0xC6000000u);
    EXPECT_FALSE(IsWindowVisible(window));
    EXPECT_NE(GetWindowThreadProcessId(window, nullptr), GetCurrentThreadId());
    char title[16] = "x";
    EXPECT_EQ(GetWindowTextA(window, title, sizeof(title)), 0);
}

TEST(CharacterThread, LayeredModeMakesADrawingAreaSizedLayeredWindow) {
    LiveCharacter character;
    ASSERT_TRUE(character.Thread().IsLayered()) << "Wine offers layered windows";
    const HWND window = character.Window();
    EXPECT_EQ(ExStyleWithoutSystemAdjustments(window), 0x10188u | WS_EX_LAYERED);
    RECT rect{};
    GetWindowRect(window, &rect);
    EXPECT_EQ(rect.right - rect.left, 160);
    EXPECT_EQ(rect.bottom - rect.top, 200);
    COLORREF key = 1;
    BYTE alpha = 1;
    DWORD flags = 0;
    ASSERT_TRUE(GetLayeredWindowAttributes(window, &key, &alpha, &flags));
    EXPECT_EQ(flags, static_cast<DWORD>(LWA_COLORKEY));
    EXPECT_EQ(key, 0u) << "the real key comes with the first background erase";
}

TEST(CharacterThread, RegionModeCoversTheScreenWithAnEmptyRegion) {
    CharacterThreadOptions options;
    options.forceRegionMode = true;
    LiveCharacter character(options);
    EXPECT_FALSE(character.Thread().IsLayered());
    const HWND window = character.Window();
    EXPECT_EQ(ExStyleWithoutSystemAdjustments(window), 0x10188u);
    RECT rect{};
    GetWindowRect(window, &rect);
    EXPECT_EQ(rect.left, 0);
    EXPECT_EQ(rect.top, 0);
    EXPECT_EQ(rect.right, GetSystemMetrics(SM_CXSCREEN));
    EXPECT_EQ(rect.bottom, GetSystemMetrics(SM_CYSCREEN));
    const UniqueRegion region(CreateRectRgn(0, 0, 0, 0));
    EXPECT_EQ(GetWindowRgn(window, region.Get()), NULLREGION);
}

TEST(CharacterThread, RunsBelowNormalPriorityAndNamesTheLogFile) {
    LiveCharacter character;
    const UniqueKernelHandle thread = OpenWindowThread(character.Window());
    ASSERT_TRUE(thread);
    EXPECT_EQ(GetThreadPriority(thread.Get()), THREAD_PRIORITY_BELOW_NORMAL);
    EXPECT_EQ(LogFileName(), "cp_rux.log");
}

TEST(CharacterThread, WindowIsOwnedByTheWindowInTheOwnerSlot) {
    const UniqueWindow owner = PlainWindow();
    const OwnerSlotScope slot(owner.Get());
    LiveCharacter character;
    EXPECT_EQ(GetWindow(character.Window(), GW_OWNER), owner.Get());
}

TEST(CharacterThread, CharactersStartedTogetherAllGetWindows) {
    std::vector<std::thread> starters;
    std::vector<int> started(4, 0);
    for (size_t i = 0; i < started.size(); ++i) {
        starters.emplace_back([&started, i] {
            CCharacterThread thread;
            started[i] = thread.Window().Exists() ? 1 : 0;
        });
    }
    for (std::thread& starter : starters) starter.join();
    EXPECT_EQ(started, std::vector<int>(4, 1));
}

TEST(CharacterThread, ClassIsRegisteredAgainAfterItWasUnregistered) {
    { const LiveCharacter first; }
    UnregisterCharacterWindowClass();
    WNDCLASSEXA info{};
    info.cbSize = sizeof(info);
    EXPECT_FALSE(GetClassInfoExA(GetModuleHandleA(nullptr), "VGECOMCHWNDCLS", &info));
    LiveCharacter second;
    EXPECT_TRUE(second.Body().Exists());
}

TEST(CharacterThread, LoadingReportsAnUnreadableFile) {
    CCharacterThread thread;
    EXPECT_FALSE(thread.Window().LoadCharacterFile("C:\\no such folder\\missing.rux"));
    EXPECT_TRUE(thread.Window().Model().Animations().empty());
    EXPECT_TRUE(thread.Window().LoadCharacterFile(TestCharacterFile()));
    EXPECT_EQ(thread.Window().Model().CharacterName(), "Tester");
    EXPECT_NE(thread.Window().Model().FindAnimation("walk"), nullptr);
}

TEST(CharacterThreadFailure, LowColourDepthShowsAMessageBoxAndRefusesToStart) {
    MessageBoxWatcher watcher("Error");
    CharacterThreadOptions options;
    options.screenBitsPerPixel = [] { return 8; };
    EXPECT_EQ(StartErrorText(options), "Program will not run on 256 color mode");
    ASSERT_TRUE(watcher.Wait()) << "no message box appeared";
    EXPECT_EQ(watcher.Text(), "Program will not run in 256 color mode");
    EXPECT_TRUE(watcher.HadErrorIcon());
    EXPECT_FALSE(watcher.HadOwner());
}

TEST(CharacterThreadFailure, SixteenBitsAreEnough) {
    CharacterThreadOptions options;
    options.screenBitsPerPixel = [] { return 16; };
    EXPECT_EQ(StartErrorText(options), "(started)");
}

TEST(CharacterThreadFailure, WindowThatCannotBeMadeFailsWithoutHanging) {
    HWND stale = nullptr;
    {
        const UniqueWindow gone = PlainWindow();
        stale = gone.Get();
    }
    const OwnerSlotScope slot(stale);
    EXPECT_EQ(StartErrorText({}), "Unable To create window");
}

TEST(CharacterShutdown, DestroyingWithQueuedRequestsPostsNothingAndEndsTheThread) {
    TestReceiver receiver;
    UniqueKernelHandle threadHandle;
    {
        LiveCharacter character;
        character.Thread().SetReceiverWindow(receiver.Handle());
        threadHandle = OpenWindowThread(character.Window());
        character.PlayInPlace(1, L"long");
        character.PlayInPlace(2, L"long");
        character.PlayInPlace(3, L"stand");
        ASSERT_TRUE(PumpUntil([&] { return receiver.Has(CRN_REQUESTSTART, 1); }, 2000));
    }
    ASSERT_TRUE(threadHandle);
    EXPECT_TRUE(ThreadHasEnded(threadHandle.Get())) << "the thread ends before destruction returns";
    PumpFor(300);
    EXPECT_TRUE(receiver.Of(CRN_REQUESTCOMPLETE).empty());
}

TEST(CharacterShutdown, CloseMessageDestroysTheWindowAndEndsTheThread) {
    LiveCharacter character;
    const HWND window = character.Window();
    const UniqueKernelHandle thread = OpenWindowThread(window);
    PostMessageA(window, CHM_CLOSE, 0, 0);
    EXPECT_TRUE(ThreadHasEnded(thread.Get(), 5000));
    EXPECT_FALSE(IsWindow(window));
    EXPECT_FALSE(character.Body().Exists());
}

TEST(CharacterShutdown, UserCloseIsIgnored) {
    LiveCharacter character;
    const HWND window = character.Window();
    const UniqueKernelHandle thread = OpenWindowThread(window);
    SendMessageA(window, WM_CLOSE, 0, 0);
    PostMessageA(window, WM_CLOSE, 0, 0);
    PumpFor(200);
    EXPECT_TRUE(IsWindow(window));
    EXPECT_FALSE(ThreadHasEnded(thread.Get()));
}

namespace {

// A partner whose hiding sends a message to a window of the client's thread and waits for the
// answer, as an owned window's activation or destruction does on Windows.
class SendingPartner final : public IRequestPartner {
public:
    SendingPartner(HWND clientWindow, HANDLE sending) : m_clientWindow(clientWindow), m_sending(sending) {}
    void SetVisible(bool) override {
        SetEvent(m_sending);
        SendMessageA(m_clientWindow, WM_NULL, 0, 0);
    }
    void SetPosition(int32_t, int32_t) override {}

private:
    HWND m_clientWindow;
    HANDLE m_sending;
};

}  // namespace

// The client's thread waits for the character thread to end while that thread waits for the
// client's thread to answer a sent message: the wait answers it, so both go on.
TEST(CharacterShutdown, TheEndWaitAnswersMessagesTheThreadSendsToTheClient) {
    const UniqueWindow clientWindow = PlainWindow();
    const UniqueKernelHandle sending(CreateEventA(nullptr, TRUE, FALSE, nullptr));
    CharacterThreadOptions options;
    options.partnerFactory = [&](IUnknown*) {
        return std::make_shared<SendingPartner>(clientWindow.Get(), sending.Get());
    };
    TestPartnerObject partnerObject;
    UniqueKernelHandle thread;
    {
        LiveCharacter character(options);
        thread = OpenWindowThread(character.Window());
        character.PlayCommon(1, L"throw", &partnerObject);
        // Not pumping here: the character thread is now blocked in its send to this thread.
        ASSERT_EQ(WaitForSingleObject(sending.Get(), 5000), WAIT_OBJECT_0);
    }  // releasing the character waits for its thread
    EXPECT_TRUE(ThreadHasEnded(thread.Get()));
}
