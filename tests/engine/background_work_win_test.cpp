// Work on the thread pool reports its result to its receiver on this thread once, and never the
// result of a question that was cancelled, replaced by a newer one or whose owner has gone (the
// socket abandons a name lookup or a certificate judgement this way when a session ends).

#include "engine/background_work_win.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "common/unique_handle_win.h"
#include "tests/support/message_pump_win.h"

namespace pbw {
namespace {

UniqueKernelHandle ManualEvent() { return UniqueKernelHandle(::CreateEventW(nullptr, TRUE, FALSE, nullptr)); }

// Signals once the work that holds it has been freed: after its result would have been posted.
class SignalWhenFreed {
 public:
  explicit SignalWhenFreed(HANDLE event) : event_(event) {}
  SignalWhenFreed(const SignalWhenFreed&) = delete;
  SignalWhenFreed& operator=(const SignalWhenFreed&) = delete;
  ~SignalWhenFreed() { ::SetEvent(event_); }

 private:
  HANDLE event_;
};

// Returns `result` once `release` is set.
std::function<int()> WorkUntil(HANDLE release, int result, HANDLE freed = nullptr) {
  auto signal = freed != nullptr ? std::make_shared<SignalWhenFreed>(freed) : nullptr;
  return [release, result, signal] {
    ::WaitForSingleObject(release, INFINITE);
    return result;
  };
}

TEST(BackgroundWork, HandsTheResultToItsReceiverOnThisThreadOnce) {
  const UniqueKernelHandle release = ManualEvent();
  std::vector<int> received;
  const DWORD thread = ::GetCurrentThreadId();
  BackgroundWork<int> work([&](int result) {
    EXPECT_EQ(::GetCurrentThreadId(), thread);
    received.push_back(result);
  });
  ASSERT_TRUE(work.Start(WorkUntil(release.get(), 42)));
  EXPECT_TRUE(work.Running());
  ::SetEvent(release.get());
  ASSERT_TRUE(testing::PumpMessagesUntil([&] { return !received.empty(); }));
  EXPECT_FALSE(work.Running());
  EXPECT_EQ(received, std::vector<int>{42});
}

TEST(BackgroundWork, TheResultOfACancelledReplacedOrOrphanedQuestionReachesNoOne) {
  enum class End { kCancelled, kReplaced, kOwnerGone };
  for (const End end : {End::kCancelled, End::kReplaced, End::kOwnerGone}) {
    SCOPED_TRACE(static_cast<int>(end));
    const UniqueKernelHandle release = ManualEvent();
    const UniqueKernelHandle freed = ManualEvent();
    std::vector<int> first;
    std::vector<int> second;
    std::optional<BackgroundWork<int>> owner;
    owner.emplace([&](int result) { first.push_back(result); });
    ASSERT_TRUE(owner->Start(WorkUntil(release.get(), 1, freed.get())));
    // The later question waits until the older work is done with: a message of that one would come
    // first.
    BackgroundWork<int> other([&](int result) { second.push_back(result); });
    BackgroundWork<int>* later = &other;
    if (end == End::kCancelled) owner->Cancel();
    if (end == End::kReplaced) later = &*owner;
    if (end == End::kOwnerGone) owner.reset();
    ASSERT_TRUE(later->Start(WorkUntil(freed.get(), 2)));
    ::SetEvent(release.get());
    ASSERT_TRUE(testing::PumpMessagesUntil([&] { return !first.empty() || !second.empty(); }));
    EXPECT_EQ(end == End::kReplaced ? first : second, std::vector<int>{2});
    EXPECT_EQ(end == End::kReplaced ? second : first, std::vector<int>{});
  }
}

}  // namespace
}  // namespace pbw
