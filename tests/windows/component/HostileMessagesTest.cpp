// Any program on the desktop can find the character and receiver windows and send them any
// message number with any parameters. Nothing it sends may be taken for an address: the
// process takes no access violation (counted by a handler that sees every fault first, also
// those that Wine swallows inside a window procedure), and the characters work on afterwards.
#include <thread>

#include "CharacterFixture.h"
#include "HostileSweep.h"

using namespace component_tests;

namespace {

std::atomic<int> g_accessViolations{0};

LONG CALLBACK CountAccessViolations(EXCEPTION_POINTERS* exception) {
    if (exception->ExceptionRecord->ExceptionCode == EXCEPTION_ACCESS_VIOLATION) g_accessViolations.fetch_add(1);
    return EXCEPTION_CONTINUE_SEARCH;
}

class FaultCounter {
public:
    FaultCounter() : m_handler(AddVectoredExceptionHandler(1, &CountAccessViolations)) { g_accessViolations = 0; }
    FaultCounter(const FaultCounter&) = delete;
    FaultCounter& operator=(const FaultCounter&) = delete;
    ~FaultCounter() { RemoveVectoredExceptionHandler(m_handler); }
    int Count() const { return g_accessViolations.load(); }

private:
    void* m_handler;
};

std::wstring SenderPath() {
    wchar_t path[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring folder(path);
    return folder.substr(0, folder.find_last_of(L'\\') + 1) + L"hostile_sender.exe";
}

// Runs the sender for this process and handles messages until it ends; its exit code.
DWORD RunSenderProcess() {
    std::wstring commandLine = L"hostile_sender.exe " + std::to_wstring(GetCurrentProcessId());
    const std::wstring program = SenderPath();
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                        &process)) {
        return static_cast<DWORD>(-1);
    }
    CloseHandle(process.hThread);
    PumpUntil([&] { return WaitForSingleObject(process.hProcess, 0) == WAIT_OBJECT_0; }, 60000);
    DWORD exitCode = static_cast<DWORD>(-1);
    GetExitCodeProcess(process.hProcess, &exitCode);
    CloseHandle(process.hProcess);
    return exitCode;
}

class HostileMessagesTest : public CharacterFixture {
protected:
    void SetUp() override {
        CharacterFixture::SetUp();
        ball = LoadCharacter(engine.Get(), L"b", L"Ball");
        ASSERT_TRUE(ball);
        hero->put_Visible(1);
        ball->put_Visible(1);
    }
    void TearDown() override {
        ball.Reset();
        CharacterFixture::TearDown();
    }
    // The characters still play, a common animation included, after the attack.
    void ExpectCharactersWork() {
        const LONG walk = Play(L"Walk", 40, 0, 1);
        EXPECT_TRUE(WaitForEvent(kRequestCompleteEvent, walk, 15000));
        const com::Bstr kick(L"Kick");
        LONG common = 0;
        ASSERT_EQ(hero->PlayCommonAnimation(kick.Get(), ball.Get(), &common), S_OK);
        EXPECT_TRUE(WaitForEvent(kRequestCompleteEvent, common, 15000));
    }

    com::ComPtr<ICharacter> ball;
};

}  // namespace

TEST_F(HostileMessagesTest, JunkFromAnotherThreadIsNeverTakenForAnAddress) {
    const FaultCounter faults;
    std::atomic<int> reached{-1};
    std::thread attacker([&] { reached = SendJunkToEngineWindows(GetCurrentProcessId()); });
    // The receivers belong to this thread: it answers while the attacker sends.
    PumpUntil([&] { return reached.load() >= 0; }, 120000);
    attacker.join();
    EXPECT_EQ(reached.load(), 4) << "two character windows and their two receivers";
    EXPECT_EQ(faults.Count(), 0);
    sink.events.clear();
    ExpectCharactersWork();
}

TEST_F(HostileMessagesTest, JunkFromAnotherProcessIsNeverTakenForAnAddress) {
    const FaultCounter faults;
    EXPECT_EQ(RunSenderProcess(), 4u);
    EXPECT_EQ(faults.Count(), 0);
    sink.events.clear();
    ExpectCharactersWork();
}
