// Hand-overs between threads by message: only what was handed out, to that target, once.
#include <gtest/gtest.h>

#include <memory>
#include <set>
#include <thread>
#include <vector>

#include "HandoffTable.h"

namespace {

const void* const kWindowA = reinterpret_cast<const void*>(uintptr_t{0x1234});
const void* const kWindowB = reinterpret_cast<const void*>(uintptr_t{0x5678});

TEST(HandoffTable, AKeyIsTakenOnceAndOnlyByItsTarget) {
    HandoffTable<int> table;
    const uintptr_t key = table.Issue(kWindowA, 7);
    EXPECT_NE(key, 0u);
    EXPECT_FALSE(table.Take(kWindowB, key)) << "addressed to another window";
    EXPECT_FALSE(table.Take(kWindowA, key + 1)) << "never handed out";
    EXPECT_EQ(table.Take(kWindowA, key), 7);
    EXPECT_FALSE(table.Take(kWindowA, key)) << "taken already";
    EXPECT_EQ(table.Count(), 0u);
}

TEST(HandoffTable, JunkParametersFindNothing) {
    HandoffTable<int> table;
    const uintptr_t key = table.Issue(kWindowA, 1);
    int found = 0;
    for (uintptr_t junk : {uintptr_t{0}, uintptr_t{1}, ~uintptr_t{0}, uintptr_t{0x41414141}, key ^ 1, key + 8}) {
        found += table.Take(kWindowA, junk).has_value() ? 1 : 0;
    }
    EXPECT_EQ(found, 0);
    EXPECT_EQ(table.Count(), 1u);
}

TEST(HandoffTable, ChosenKeysAreHeldOnceAndTakenBackPerTarget) {
    HandoffTable<std::unique_ptr<int>> table;
    EXPECT_TRUE(table.Insert(kWindowA, 0x1000, std::make_unique<int>(1)));
    EXPECT_FALSE(table.Insert(kWindowA, 0x1000, std::make_unique<int>(2))) << "the key is held";
    EXPECT_TRUE(table.Insert(kWindowB, 0x1000, std::make_unique<int>(3)));
    table.Issue(kWindowA, std::make_unique<int>(4));
    const std::vector<std::unique_ptr<int>> gone = table.TakeAll(kWindowA);
    ASSERT_EQ(gone.size(), 2u);
    EXPECT_EQ(table.Count(), 1u);
    EXPECT_EQ(**table.Take(kWindowB, 0x1000), 3);
}

// Several threads hand over and take back at once: every value comes back exactly once.
TEST(HandoffTable, ConcurrentHandOversAreEachTakenOnce) {
    HandoffTable<int> table;
    constexpr int kThreads = 4;
    constexpr int kEach = 2000;
    std::vector<std::thread> threads;
    std::vector<int> taken(kThreads, 0);
    for (int t = 0; t < kThreads; ++t) {
        threads.emplace_back([&table, &taken, t] {
            std::set<uintptr_t> keys;
            for (int i = 0; i < kEach; ++i) keys.insert(table.Issue(kWindowA, t));
            for (uintptr_t key : keys) taken[t] += table.Take(kWindowA, key) == t ? 1 : 0;
        });
    }
    for (std::thread& thread : threads) thread.join();
    for (int t = 0; t < kThreads; ++t) EXPECT_EQ(taken[t], kEach);
    EXPECT_EQ(table.Count(), 0u);
}

}  // namespace
