// Twenty clients sending a thousand requests each to the channel's host: every request answered
// with its own id, the host's committed memory and thread count flat. Prints the figures of
// docs/reliability.md.
#include "DeskTestClient.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>
#include <psapi.h>
#include <tlhelp32.h>

#include <atomic>
#include <chrono>
#include <cstdio>
#include <thread>
#include <vector>

namespace desktest {
namespace {

using nlohmann::json;

constexpr int kClients = 20;
constexpr int kRequestsEach = 1000;

// Wine leaves PrivateUsage at 0; the pagefile-backed bytes are the same measure there.
std::size_t CommittedBytes(HANDLE process) {
    PROCESS_MEMORY_COUNTERS_EX counters{};
    if (!GetProcessMemoryInfo(process, reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&counters), sizeof(counters))) return 0;
    return counters.PrivateUsage != 0 ? counters.PrivateUsage : counters.PagefileUsage;
}

int ThreadCount(DWORD processId) {
    const UniqueKernelHandle snapshot(CreateToolhelp32Snapshot(TH32CS_SNAPTHREAD, 0));
    THREADENTRY32 entry{};
    entry.dwSize = sizeof(entry);
    int count = 0;
    for (BOOL more = Thread32First(snapshot.Get(), &entry); more; more = Thread32Next(snapshot.Get(), &entry))
        count += entry.th32OwnerProcessID == processId ? 1 : 0;
    return count;
}

// A mix of the commands, one in five waiting for its request's end; returns the line for i.
std::string RequestLine(int client, int i) {
    const json id = client * kRequestsEach + i;
    switch (i % 5) {
    case 0: return json{{"command", "say"}, {"name", "Pip"}, {"text", "load"}, {"wait", true}, {"id", id}}.dump();
    case 1: return json{{"command", "status"}, {"id", id}}.dump();
    case 2: return json{{"command", "play"}, {"name", "Pip"}, {"animation", "Nope"}, {"id", id}}.dump();
    case 3: return json{{"command", "list"}, {"id", id}}.dump();
    default: return json{{"command", "move"}, {"name", "Rex"}, {"x", i}, {"y", client}, {"id", id}}.dump();
    }
}

// Sends the client's requests one by one; counts the replies that carry the right id.
int RunClient(int client) {
    DeskTestClient connection;
    if (!connection.Connect(TestPipeName(), 30000)) return 0;
    int answered = 0;
    for (int i = 0; i < kRequestsEach; ++i) {
        if (!connection.Send(RequestLine(client, i) + "\n")) break;
        const auto line = connection.ReadLine(10000);
        if (!line) break;
        const json reply = json::parse(*line, nullptr, false);
        answered += reply.is_object() && reply.value("id", -1) == client * kRequestsEach + i ? 1 : 0;
    }
    return answered;
}

TEST(DeskChannelLoad, TwentyClientsAThousandRequestsEachNoneLostMemoryFlat) {
    DeskHost host(L"");
    ASSERT_TRUE(host.Running());
    {
        DeskTestClient warmUp;  // the first client makes the host's buffers and threads
        ASSERT_TRUE(warmUp.Connect(TestPipeName()));
        ASSERT_TRUE(warmUp.Send("{\"command\":\"list\"}\n"));
        ASSERT_TRUE(warmUp.ReadLine());
    }
    Sleep(200);
    const std::size_t before = CommittedBytes(host.Process());
    const int threadsBefore = ThreadCount(host.ProcessId());

    std::vector<std::size_t> afterRound;
    const auto start = std::chrono::steady_clock::now();
    int answered = 0;
    for (int round = 0; round < 2; ++round) {
        std::atomic<int> roundAnswered{0};
        std::vector<std::thread> clients;
        for (int client = 0; client < kClients; ++client)
            clients.emplace_back([client, &roundAnswered] { roundAnswered += RunClient(client); });
        for (auto& thread : clients) thread.join();
        answered += roundAnswered;
        Sleep(200);
        afterRound.push_back(CommittedBytes(host.Process()));
    }
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    const int threadsAfter = ThreadCount(host.ProcessId());

    std::printf("load: %d clients x %d requests, 2 rounds: %d of %d answered in %.1f s (%.0f requests/s)\n", kClients,
                kRequestsEach, answered, 2 * kClients * kRequestsEach, seconds, 2 * kClients * kRequestsEach / seconds);
    std::printf("host committed memory: %zu KB before, %zu KB after round 1, %zu KB after round 2; threads %d before, %d after\n",
                before / 1024, afterRound[0] / 1024, afterRound[1] / 1024, threadsBefore, threadsAfter);
    EXPECT_EQ(answered, 2 * kClients * kRequestsEach);
    ASSERT_GT(before, 0u);
    // The second round may not grow the host at all beyond allocator noise.
    EXPECT_LT(afterRound[1], afterRound[0] + 512 * 1024);
    EXPECT_LT(afterRound[0], before + 4 * 1024 * 1024);
    EXPECT_EQ(threadsAfter, threadsBefore);
    EXPECT_TRUE(host.Quit());
}

}  // namespace
}  // namespace desktest
