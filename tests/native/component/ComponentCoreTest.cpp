// The component layer's portable state: sink slots, request IDs, the completion wait and the
// 32-bit window values of the interface.
#include <gtest/gtest.h>

#include <algorithm>
#include <deque>
#include <functional>
#include <limits>
#include <memory>
#include <new>
#include <set>
#include <string>

#include "CompletionWait.h"
#include "GrowingRead.h"
#include "RequestCounter.h"
#include "SinkSlots.h"
#include "WindowValue.h"

namespace {

using Slots = SinkSlots<std::shared_ptr<int>>;

std::shared_ptr<int> Sink(int value) { return std::make_shared<int>(value); }

// A scripted platform for the wait: each slice either finds the event signalled (after the
// receiver recorded a completion) or times out and offers one message.
class ScriptedWait final : public ICompletionWaitHost {
public:
    std::set<int32_t> queued;
    // What each slice brings: a completed ID (signalled), 0 (a timed-out slice), -1 (quit).
    std::deque<int32_t> slices;
    int resets = 0, pumps = 0, waits = 0;
    bool flooded = false;  // a message is always waiting, and none of them completes anything

    bool IsQueued(int32_t requestId) override { return queued.count(requestId) != 0; }
    bool WaitForSignal(uint32_t milliseconds) override {
        EXPECT_EQ(milliseconds, kWaitSliceMs);
        ++waits;
        if (slices.empty() || slices.front() <= 0) return false;
        book.Record(slices.front());
        slices.pop_front();
        return true;
    }
    bool IsSignalled() override { return !slices.empty() && slices.front() > 0; }
    void ResetSignal() override { ++resets; }
    PumpResult PumpOneMessage() override {
        if (flooded) {
            ++pumps;
            return PumpResult::Dispatched;
        }
        ++pumps;
        if (slices.empty()) return PumpResult::Nothing;
        const int32_t next = slices.front();
        slices.pop_front();
        return next < 0 ? PumpResult::Quitting : PumpResult::Dispatched;
    }
    const CompletionBook& Book() const override { return book; }

    CompletionBook book;
};

}  // namespace

TEST(SinkSlots, GrowFromOneSlotToFourThenDouble) {
    Slots slots;
    EXPECT_EQ(slots.Add(Sink(1)), 1u);
    EXPECT_EQ(slots.SlotCount(), 1u);
    EXPECT_EQ(slots.Add(Sink(2)), 2u);
    EXPECT_EQ(slots.SlotCount(), 4u);
    slots.Add(Sink(3));
    slots.Add(Sink(4));
    EXPECT_EQ(slots.SlotCount(), 4u);
    EXPECT_EQ(slots.Add(Sink(5)), 5u);
    EXPECT_EQ(slots.SlotCount(), 8u);
    EXPECT_EQ(slots.ConnectedCount(), 5u);
}

TEST(SinkSlots, AnEmptiedSlotIsReusedFirstAndItsCookieGoesDead) {
    Slots slots;
    for (int i = 1; i <= 4; ++i) slots.Add(Sink(i));
    std::shared_ptr<int> removed;
    ASSERT_TRUE(slots.Remove(2, removed));
    EXPECT_EQ(*removed, 2);
    EXPECT_FALSE(slots.At(1));
    EXPECT_FALSE(slots.Remove(2, removed)) << "nothing is connected there any more";
    EXPECT_FALSE(slots.Remove(0, removed));
    EXPECT_FALSE(slots.Remove(99, removed));
    EXPECT_EQ(slots.Add(Sink(7)), 2u);
    EXPECT_EQ(*slots.At(1), 7);
    EXPECT_EQ(slots.SlotCount(), 4u);
}

TEST(RequestCounter, CountsFromOneAndWrapsToOneNeverZeroOrNegative) {
    RequestCounter counter;
    EXPECT_EQ(counter.Next(), 1);
    EXPECT_EQ(counter.Next(), 2);
    counter.ContinueAfter(std::numeric_limits<int32_t>::max() - 1);
    EXPECT_EQ(counter.Next(), std::numeric_limits<int32_t>::max());
    EXPECT_EQ(counter.Next(), 1);
    EXPECT_EQ(counter.Next(), 2);
}

TEST(WindowValue, LowBitsGoOutAndSignExtendedValuesComeIn) {
    EXPECT_EQ(HandleToWire(0x12345678u), 0x12345678);
    EXPECT_EQ(HandleToWire(static_cast<uintptr_t>(0xABCD00001234ull)), 0x1234);
    EXPECT_EQ(HandleToWire(static_cast<uintptr_t>(-1)), -1);
    EXPECT_EQ(WireToHandle(-1), static_cast<uintptr_t>(-1)) << "topmost";
    EXPECT_EQ(WireToHandle(-2), static_cast<uintptr_t>(-2)) << "not topmost";
    EXPECT_EQ(WireToHandle(0), 0u);
    EXPECT_EQ(WireToHandle(1), 1u);
    EXPECT_EQ(WireToHandle(0x7FFFFFFF), 0x7FFFFFFFu);
}

TEST(CompletionWait, ARequestThatIsNotQueuedIsNotWaitedFor) {
    ScriptedWait host;
    EXPECT_EQ(WaitForCompletion(host, 4), WaitCause::NotCompleted);
    EXPECT_EQ(host.waits, 0);
}

TEST(CompletionWait, OtherCompletionsAreSkippedUntilItsOwn) {
    ScriptedWait host;
    host.queued = {2, 3};
    host.slices = {0, 1, 0, 2};
    EXPECT_EQ(WaitForCompletion(host, 2), WaitCause::Completed);
    EXPECT_EQ(host.pumps, 2) << "the waiting message after each timed-out slice";
    EXPECT_EQ(host.resets, 2) << "reset after the other completion and on leaving";
}

TEST(CompletionWait, OnlyTheLastTwoCompletionsAreSeen) {
    ScriptedWait host;
    host.queued = {5};
    host.book.Record(5);  // completed in the same dispatch as the one that signals
    host.slices = {6};
    EXPECT_EQ(WaitForCompletion(host, 5), WaitCause::Completed) << "the completion before the last counts";
    host.book = CompletionBook();
    host.book.Record(5);
    host.book.Record(6);
    host.slices = {7};
    EXPECT_EQ(WaitForCompletion(host, 5), WaitCause::NotCompleted) << "two later completions push it out";
}

TEST(CompletionWait, GivesUpAfterThreeHundredTimedOutSlices) {
    ScriptedWait host;
    host.queued = {1};
    EXPECT_EQ(WaitForCompletion(host, 1), WaitCause::NotCompleted);
    EXPECT_EQ(host.waits, kWaitSliceLimit);
    EXPECT_EQ(host.pumps, kWaitSliceLimit);
    EXPECT_EQ(host.resets, 1);
}

TEST(CompletionWait, AQuittingThreadStopsTheWaitWithoutReset) {
    ScriptedWait host;
    host.queued = {1};
    host.slices = {0, -1};
    EXPECT_EQ(WaitForCompletion(host, 1), WaitCause::NotCompleted);
    EXPECT_EQ(host.resets, 0);
    EXPECT_EQ(host.pumps, 2) << "a message, then the quit";
}

TEST(CompletionWait, MessagesWaitingBehindOthersAreAllLetThroughInOneSlice) {
    ScriptedWait host;
    host.queued = {3};
    host.slices = {0, 0, 0, 0, 0, 0, 0, 0, 3};  // eight notifications, then the completion
    EXPECT_EQ(WaitForCompletion(host, 3), WaitCause::Completed);
    EXPECT_EQ(host.waits, 2) << "one timed-out slice lets all eight through, the next finds the signal";
    EXPECT_EQ(host.pumps, 8) << "the completion is looked at before any further message";
}

TEST(CompletionWait, AFloodOfMessagesStillEndsTheWaitInTime) {
    ScriptedWait host;
    host.queued = {1};
    host.flooded = true;
    EXPECT_EQ(WaitForCompletion(host, 1), WaitCause::NotCompleted);
    EXPECT_EQ(host.waits, kWaitSliceLimit);
    EXPECT_EQ(host.pumps, kWaitSliceLimit * kMessagesPerSlice) << "each slice lets a bounded share through";
}

// A path longer than the first buffer is read whole by growing it; one that never fits, or a
// failed read, gives nothing rather than a cut path.
TEST(GrowingRead, ReadsWholeOrNotAtAll) {
    const std::string path(700, 'p');
    int calls = 0;
    const std::function<size_t(char*, size_t)> cutting = [&](char* buffer, size_t capacity) {
        ++calls;
        const size_t written = std::min(capacity, path.size());
        std::copy_n(path.begin(), written, buffer);
        return written;  // the system call's way: a cut text fills the whole buffer
    };
    EXPECT_EQ(ReadGrowing<char>(cutting, 260, 32768), path);
    EXPECT_EQ(calls, 3) << "260, 520, 1040";
    EXPECT_FALSE(ReadGrowing<char>(cutting, 260, 600)) << "never whole within the limit";
    const std::function<size_t(char*, size_t)> failing = [](char*, size_t) { return size_t{0}; };
    EXPECT_FALSE(ReadGrowing<char>(failing, 260, 32768));
}
