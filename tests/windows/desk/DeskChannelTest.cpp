// The companion's pipe under Wine, through a host process running CDeskChannel over fake
// characters: serving, hostile clients beside a well-behaved one, and the pipe's security.
#include "CDeskChannel.h"
#include "DeskTestClient.h"
#include "FakeDeskCharacters.h"

#include <aclapi.h>
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <memory>
#include <thread>
#include <vector>

namespace desktest {
namespace {

using nlohmann::json;

constexpr DWORD kIdleMs = 1500;
constexpr int kMaxClients = 8;

class DeskChannel : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        host = std::make_unique<DeskHost>(L"--idle-ms " + std::to_wstring(kIdleMs) + L" --max-clients " +
                                          std::to_wstring(kMaxClients));
    }
    static void TearDownTestSuite() {
        EXPECT_TRUE(host->Quit());
        host.reset();
    }
    void SetUp() override {
        ASSERT_TRUE(host->Running());
        ASSERT_TRUE(served.Connect(TestPipeName()));
    }

    // One request on the well-behaved client, answered within a second.
    json Ask(DeskTestClient& client, const std::string& line, DWORD timeoutMs = 1000) {
        EXPECT_TRUE(client.Send(line + "\n"));
        const auto reply = client.ReadLine(timeoutMs);
        EXPECT_TRUE(reply) << line;
        return reply ? json::parse(*reply) : json();
    }

    static std::unique_ptr<DeskHost> host;
    DeskTestClient served;
};

std::unique_ptr<DeskHost> DeskChannel::host;

TEST_F(DeskChannel, AnswersRequestsInOrderOnOneConnection) {
    const json status = Ask(served, R"({"command":"status"})");
    EXPECT_EQ(status["processId"], host->ProcessId());
    EXPECT_EQ(status["pipe"], Narrow(TestPipeName()));
    EXPECT_EQ(Ask(served, R"({"command":"play","name":"Pip","animation":"Fly"})")["error"], "Pip has no animation \"Fly\"");
    // Three at once: the waiting one holds back the replies after it, which keep their order.
    ASSERT_TRUE(served.Send("{\"command\":\"say\",\"name\":\"Pip\",\"text\":\"Hi\",\"wait\":true,\"id\":1}\n"
                            "{\"command\":\"show\",\"name\":\"Pip\",\"id\":2}\r\n"
                            "{\"command\":\"list\",\"id\":3}\n"));
    for (int id = 1; id <= 3; ++id) {
        const auto line = served.ReadLine();
        ASSERT_TRUE(line);
        const json reply = json::parse(*line);
        EXPECT_EQ(reply["id"], id);
        EXPECT_EQ(reply["ok"], true) << *line;
        if (id == 1) {
            EXPECT_EQ(reply["completed"], true);
        }
    }
}

TEST_F(DeskChannel, HostileClientsLeaveTheOthersServed) {
    // Garbage gets an error and the connection stays.
    DeskTestClient garbage;
    ASSERT_TRUE(garbage.Connect(TestPipeName()));
    EXPECT_EQ(Ask(garbage, "\x01\x02 not json {{{")["ok"], false);
    EXPECT_EQ(Ask(garbage, R"({"command":"show","name":{"x":1}})")["error"], "\"name\" must be a string");
    EXPECT_EQ(Ask(garbage, R"({"command":"status"})")["ok"], true);

    // A megabyte without a line feed: an error, then the connection closes.
    DeskTestClient flood;
    ASSERT_TRUE(flood.Connect(TestPipeName()));
    std::thread flooding([&flood] { flood.Send(std::string(1024 * 1024, 'x'), 5000); });
    // A client that sends nothing, and a crowd beyond the instance limit.
    DeskTestClient silent;
    ASSERT_TRUE(silent.Connect(TestPipeName()));
    std::vector<std::unique_ptr<DeskTestClient>> crowd;
    std::vector<std::thread> crowding;
    for (int i = 0; i < 3 * kMaxClients; ++i) {
        crowd.push_back(std::make_unique<DeskTestClient>());
        crowding.emplace_back([client = crowd.back().get()] {
            if (client->Connect(TestPipeName(), 20000) && client->Send("{\"command\":\"list\"}\n")) {
                const auto reply = client->ReadLine(20000);
                EXPECT_TRUE(reply && json::parse(*reply)["ok"] == true);
            } else {
                ADD_FAILURE() << "a client of the crowd was not served";
            }
            client->Close();
        });
    }
    // Meanwhile the first client is answered promptly, again and again.
    for (int i = 0; i < 20; ++i) EXPECT_EQ(Ask(served, R"({"command":"status"})", 3000)["ok"], true);

    const auto floodReply = flood.ReadLine(5000);
    ASSERT_TRUE(floodReply);
    EXPECT_EQ(json::parse(*floodReply)["error"], "a request line is longer than 65536 bytes");
    EXPECT_TRUE(flood.ServerClosed(5000));
    flooding.join();
    for (auto& thread : crowding) thread.join();

    const auto farewell = silent.ReadLine(kIdleMs + 3000);
    ASSERT_TRUE(farewell);
    EXPECT_EQ(json::parse(*farewell)["error"], "no complete request within 1500 ms");
    EXPECT_TRUE(silent.ServerClosed(1000));
    EXPECT_EQ(Ask(served, R"({"command":"status"})")["ok"], true);
}

TEST_F(DeskChannel, AClientThatGoesAwayWhileWaitingHarmsNoOne) {
    for (int i = 0; i < 5; ++i) {
        DeskTestClient leaving;
        ASSERT_TRUE(leaving.Connect(TestPipeName()));
        ASSERT_TRUE(leaving.Send(R"({"command":"play","name":"Pip","animation":"Walk","wait":true})" "\n"));
    }
    Sleep(100);
    EXPECT_EQ(Ask(served, R"({"command":"say","name":"Pip","text":"still here","wait":true})")["completed"], true);
}

// The descriptor Wine stores and reports: one entry, the user's. That other accounts are
// refused, and remote clients, rests on Windows' access check and PIPE_REJECT_REMOTE_CLIENTS.
TEST_F(DeskChannel, ThePipeAdmitsTheUserAlone) {
    PACL dacl = nullptr;
    PSECURITY_DESCRIPTOR descriptor = nullptr;
    ASSERT_EQ(GetSecurityInfo(served.Pipe(), SE_KERNEL_OBJECT, DACL_SECURITY_INFORMATION, nullptr, nullptr, &dacl,
                              nullptr, &descriptor),
              static_cast<DWORD>(ERROR_SUCCESS));
    const std::unique_ptr<void, decltype(&LocalFree)> owned(descriptor, &LocalFree);
    ASSERT_NE(dacl, nullptr);
    ASSERT_EQ(dacl->AceCount, 1);
    void* ace = nullptr;
    ASSERT_TRUE(GetAce(dacl, 0, &ace));
    auto* allowed = static_cast<ACCESS_ALLOWED_ACE*>(ace);
    EXPECT_EQ(allowed->Header.AceType, ACCESS_ALLOWED_ACE_TYPE);
    HANDLE rawToken = nullptr;
    ASSERT_TRUE(OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, &rawToken));
    const UniqueKernelHandle token(rawToken);
    std::vector<DWORD> user(256);
    DWORD bytes = 0;
    ASSERT_TRUE(GetTokenInformation(token.Get(), TokenUser, user.data(), static_cast<DWORD>(user.size() * 4), &bytes));
    EXPECT_TRUE(EqualSid(reinterpret_cast<TOKEN_USER*>(user.data())->User.Sid, &allowed->SidStart));

}

// FILE_FLAG_FIRST_PIPE_INSTANCE: Wine ignores it, so there this holds on Windows alone.
TEST_F(DeskChannel, ASecondServerOfTheNameIsRefused) {
    if (GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "wine_get_version") != nullptr)
        GTEST_SKIP() << "Wine creates a first instance of a name that is taken";
    desk::FakeDeskCharacters characters;
    desk::CDeskChannel second(characters, [] {});
    EXPECT_FALSE(second.Start());
    EXPECT_EQ(second.StartError(), "the pipe is already served by another process");
    EXPECT_EQ(Ask(served, R"({"command":"status"})")["processId"], host->ProcessId());
}

}  // namespace
}  // namespace desktest
