// Work on a worker thread reports to its owner's window once, and never to an owner that has gone
// (the socket abandons a name lookup or a certificate judgement this way when a session ends).

#include "engine/background_work_win.h"

#include <gtest/gtest.h>

#include <atomic>

#include "common/unique_handle_win.h"
#include "engine/message_window_win.h"
#include "tests/support/message_pump_win.h"

namespace pbw {
namespace {

constexpr UINT kDone = WM_APP + 7;

class BackgroundWorkTest : public ::testing::Test {
 protected:
  std::atomic<int> arrived{0};
  WPARAM lastTag = 0;
  MessageWindow window{[this](UINT message, WPARAM wParam, LPARAM) {
    if (message != kDone) return false;
    ++arrived;
    lastTag = wParam;
    return true;
  }};
  // The work waits for this, so that a test decides when it ends.
  UniqueKernelHandle release{::CreateEventW(nullptr, TRUE, FALSE, nullptr)};

  std::function<int()> WorkUntilReleased() {
    const HANDLE event = release.get();
    return [event] {
      ::WaitForSingleObject(event, INFINITE);
      return 42;
    };
  }
};

TEST_F(BackgroundWorkTest, PostsItsTagOnceAndHandsOverTheResult) {
  BackgroundWork<int> work(WorkUntilReleased(), window.get(), kDone, 5);
  EXPECT_FALSE(work.Take().has_value());
  ::SetEvent(release.get());
  ASSERT_TRUE(testing::PumpMessagesUntil([&] { return arrived > 0; }));
  EXPECT_EQ(lastTag, 5u);
  EXPECT_EQ(work.Take(), 42);
  EXPECT_FALSE(work.Take().has_value());
}

TEST_F(BackgroundWorkTest, AnOwnerThatHasGoneHearsNothing) {
  std::optional<BackgroundWork<int>> work;
  work.emplace(WorkUntilReleased(), window.get(), kDone, 6);
  work.reset();
  ::SetEvent(release.get());
  // A later piece of work that ends after the abandoned one shows that its message would have come.
  BackgroundWork<int> later([] { return 1; }, window.get(), kDone, 7);
  ASSERT_TRUE(testing::PumpMessagesUntil([&] { return arrived > 0; }));
  ::Sleep(100);
  testing::PumpMessagesUntil([] { return false; }, std::chrono::milliseconds(200));
  EXPECT_EQ(arrived, 1);
  EXPECT_EQ(lastTag, 7u);
}

}  // namespace
}  // namespace pbw
