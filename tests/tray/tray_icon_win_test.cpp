#include "tray/tray_icon_win.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "common/text_helpers.h"
#include "common/wide_text_win.h"
#include "tests/support/test_window_win.h"

namespace pbw {
namespace {

using testing::TestWindow;

struct NotifyCall {
  std::uint32_t message;
  NotifyIconRecord record;
};

// Takes every record, except that it refuses the first adds, as a shell at log-on does.
class NotificationAreaStandIn : public NotificationArea {
 public:
  bool NotifyIcon(std::uint32_t message, const NotifyIconRecord& record) override {
    calls.push_back({message, record});
    if (message != kNotifyIconAdd || refusedAdds == 0) return true;
    --refusedAdds;
    return false;
  }
  std::vector<NotifyCall> calls;
  int refusedAdds = 0;
};

// The record as this process lays it out.
constexpr NotifyIconLayout kLayout = NotifyIconLayoutFor(sizeof(HWND));

std::uint64_t Field(const NotifyIconRecord& record, std::size_t offset, std::size_t bytes = 4) {
  std::uint64_t value = 0;
  for (std::size_t i = bytes; i-- > 0;) value = value << 8 | record.at(offset + i);
  return value;
}
std::uint64_t Handle(const NotifyIconRecord& record, std::size_t offset) { return Field(record, offset, sizeof(HWND)); }

std::string TipField(const NotifyIconRecord& record) {
  return std::string(record.begin() + static_cast<std::ptrdiff_t>(kLayout.tip), record.end());
}
std::string Tip(const NotifyIconRecord& record) { return CutAtNul(TipField(record)); }

std::uint64_t Value(const void* handle) { return reinterpret_cast<std::uintptr_t>(handle); }

UINT TaskbarCreated() { return ::RegisterWindowMessageW(L"TaskbarCreated"); }

class TrayIconTest : public ::testing::Test {
 protected:
  void SetUp() override { tray.InstallWindowHook(window.get(), {}); }
  void TearDown() override {
    tray.RemoveTrayIcon(0);
    tray.RemoveWindowHook();
  }

  TestWindow window;
  NotificationAreaStandIn area;
  TrayIcon tray{area};
  const HICON icon = ::LoadIconW(nullptr, IDI_APPLICATION);
};

TEST_F(TrayIconTest, AddNamesTheHookedWindowTheIconAndTheTip) {
  tray.AddTrayIcon(0, icon, L"PostboxWatchman");
  ASSERT_EQ(area.calls.size(), 1u);
  const NotifyCall& add = area.calls[0];
  EXPECT_EQ(add.message, 0u);
  EXPECT_EQ(Field(add.record, 0), kLayout.size);
  EXPECT_EQ(Handle(add.record, kLayout.window), Value(window.get()));
  EXPECT_EQ(Field(add.record, kLayout.iconId), 0u);
  EXPECT_EQ(Field(add.record, kLayout.flags), 7u);
  EXPECT_EQ(Field(add.record, kLayout.callbackMessage), 1024u);
  EXPECT_EQ(Handle(add.record, kLayout.icon), Value(icon));
  EXPECT_EQ(Tip(add.record), "PostboxWatchman");
}

TEST_F(TrayIconTest, TipTravelsInTheAnsiCodePage) {
  tray.AddTrayIcon(0, icon, L"Grüße");
  const std::string tip = Tip(area.calls.at(0).record);
  EXPECT_EQ(tip, CodePageFromWide(L"Grüße", CP_ACP));
  EXPECT_NE(tip,
            "Gr\xC3\xBC\xC3\x9F"
            "e");  // not UTF-8
}

TEST_F(TrayIconTest, RemoveSendsAFullRecordWithIconOneAndAnEmptyTip) {
  tray.RemoveWindowHook();  // the record still names the window: the hook's state is never cleared
  tray.RemoveTrayIcon(5);
  ASSERT_EQ(area.calls.size(), 1u);
  const NotifyCall& remove = area.calls[0];
  EXPECT_EQ(remove.message, 2u);
  EXPECT_EQ(Handle(remove.record, kLayout.window), Value(window.get()));
  EXPECT_EQ(Field(remove.record, kLayout.iconId), 5u);
  EXPECT_EQ(Field(remove.record, kLayout.flags), 7u);
  EXPECT_EQ(Field(remove.record, kLayout.callbackMessage), 1024u);
  EXPECT_EQ(Handle(remove.record, kLayout.icon), 1u);
  EXPECT_EQ(TipField(remove.record), '\0' + std::string(63, ' '));
}

TEST_F(TrayIconTest, ARestartedShellGetsTheLastAddedIconAgain) {
  tray.AddTrayIcon(0, icon, L"Erst");
  tray.AddTrayIcon(0, icon, L"PostboxWatchman");
  window.Send(TaskbarCreated());

  ASSERT_EQ(area.calls.size(), 3u);
  EXPECT_EQ(area.calls[2].message, 0u);
  EXPECT_EQ(area.calls[2].record, area.calls[1].record);
  // The window's own procedure hears of the new task bar too.
  EXPECT_EQ(TestWindow::ReceivedOf(TaskbarCreated()).size(), 1u);
}

TEST_F(TrayIconTest, OnlyARemovedIconStaysAwayFromARestartedShell) {
  for (const std::uint32_t removedId : {0u, 1u}) {
    area.calls.clear();
    tray.AddTrayIcon(0, icon, L"PostboxWatchman");
    tray.RemoveTrayIcon(removedId);
    window.Send(TaskbarCreated());
    const bool readded = removedId != 0;
    ASSERT_EQ(area.calls.size(), readded ? 3u : 2u) << removedId;
    if (readded) {
      EXPECT_EQ(area.calls[2].record, area.calls[0].record);
    }
  }
  EXPECT_EQ(TestWindow::ReceivedOf(TaskbarCreated()).size(), 2u);
}

TEST_F(TrayIconTest, EachWindowsIconComesBackOnlyThroughItsOwnWindow) {
  TestWindow other;
  NotificationAreaStandIn otherArea;
  TrayIcon otherTray(otherArea);
  otherTray.InstallWindowHook(other.get(), {});
  tray.AddTrayIcon(0, icon, L"Erst");
  otherTray.AddTrayIcon(0, icon, L"Zweit");

  other.Send(TaskbarCreated());
  ASSERT_EQ(otherArea.calls.size(), 2u);
  EXPECT_EQ(Tip(otherArea.calls[1].record), "Zweit");
  EXPECT_EQ(Handle(otherArea.calls[1].record, kLayout.window), Value(other.get()));
  EXPECT_EQ(area.calls.size(), 1u);
  otherTray.RemoveWindowHook();
}

// The retry timer's ticks, sent by hand: the test waits for no clock.
struct RetryCase {
  const char* name;
  int refusedAdds;
  int ticks;
  std::size_t adds;  // every add offered, the first one included
};

class TrayIconRetryTest : public TrayIconTest, public ::testing::WithParamInterface<RetryCase> {};

TEST_P(TrayIconRetryTest, ARefusedIconIsOfferedAgainUntilTheShellTakesItOrTwoMinutesHavePassed) {
  area.refusedAdds = GetParam().refusedAdds;
  tray.AddTrayIcon(0, icon, L"PostboxWatchman");
  for (int tick = 0; tick < GetParam().ticks; ++tick) window.Send(WM_TIMER, kTrayAddRetryTimerId);

  ASSERT_EQ(area.calls.size(), GetParam().adds);
  for (const NotifyCall& add : area.calls) EXPECT_EQ(add.record, area.calls[0].record);
  // The hook keeps its timer's ticks, and its timer no longer runs.
  EXPECT_TRUE(TestWindow::ReceivedOf(WM_TIMER).empty());
  EXPECT_FALSE(::KillTimer(window.get(), kTrayAddRetryTimerId));
}

INSTANTIATE_TEST_SUITE_P(Shell, TrayIconRetryTest,
                         ::testing::Values(RetryCase{"TakesTheFirst", 0, 3, 1}, RetryCase{"TakesTheFourth", 3, 10, 4},
                                           RetryCase{"TakesTheLastTry", 60, 70, 61},
                                           RetryCase{"NeverTakesIt", 1000, 70, 61}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(TrayIconTest, ARemovedIconIsNoLongerOffered) {
  area.refusedAdds = 1;
  tray.AddTrayIcon(0, icon, L"PostboxWatchman");
  tray.RemoveTrayIcon(0);
  window.Send(WM_TIMER, kTrayAddRetryTimerId);

  ASSERT_EQ(area.calls.size(), 2u);
  EXPECT_EQ(area.calls[1].message, kNotifyIconDelete);
  EXPECT_FALSE(::KillTimer(window.get(), kTrayAddRetryTimerId));
}

TEST(RealNotificationArea, TakesAndGivesBackTheIcon) {
  TestWindow window;
  TrayIcon tray;
  tray.InstallWindowHook(window.get(), {});
  tray.AddTrayIcon(0, ::LoadIconW(nullptr, IDI_APPLICATION), L"PostboxWatchman");
  window.Send(TaskbarCreated());
  tray.RemoveTrayIcon(0);
  tray.RemoveTrayIcon(0);
  tray.RemoveWindowHook();
  EXPECT_EQ(window.Send(testing::kOwnMessage), testing::kOwnAnswer);
}

}  // namespace
}  // namespace pbw
