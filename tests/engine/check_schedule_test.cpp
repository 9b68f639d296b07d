#include "engine/check_schedule.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

#include "tests/support/engine_stand_ins.h"

namespace pbw {
namespace {

struct ScheduleRig {
  ScheduleRig() { Select(L"5"); }

  // The list holds the one entry, selected.
  void Select(std::wstring_view interval) {
    intervals.entries = {std::wstring(interval)};
    intervals.selected = 0;
  }

  testing::IntervalListStandIn intervals;
  testing::ProbeStandIn probe;
  std::vector<int> checkedAtTick;
  int tick = 0;
  std::uint32_t sessionsBegun = 0;
  CheckSchedule schedule{intervals, probe,
                         [this] {
                           checkedAtTick.push_back(tick);
                           ++sessionsBegun;
                         },
                         [this] { return sessionsBegun; }};

  void Ticks(int count) {
    for (int i = 0; i < count; ++i) {
      ++tick;
      schedule.CheckPOP3Timer_Timer();
    }
  }
};

TEST(CheckSchedule, ChecksWhenTheIntervalIsReached) {
  struct Case {
    std::wstring interval;
    int ticks;
    std::vector<int> checks;
  };
  const Case cases[] = {
      {L"5", 16, {5, 10, 15}},
      {L"1", 4, {1, 2, 3, 4}},
      {L"60", 120, {60, 120}},
      // The list holds whole numbers, but the comparison is made with real numbers.
      {L"2.5", 6, {3, 6}},
  };
  for (const auto& c : cases) {
    ScheduleRig rig;
    rig.Select(c.interval);
    rig.Ticks(c.ticks);
    EXPECT_EQ(rig.checkedAtTick, c.checks) << c.interval;
  }
}

TEST(CheckSchedule, OfflineAtTheIntervalWaitsAWholeIntervalMore) {
  ScheduleRig rig;
  rig.probe.name.clear();
  rig.Ticks(5);
  EXPECT_EQ(rig.schedule.MinutesSinceCheck(), 0);
  rig.probe.name = L"DSL";
  rig.Ticks(4);
  EXPECT_TRUE(rig.checkedAtTick.empty());
  rig.Ticks(1);
  EXPECT_EQ(rig.checkedAtTick, std::vector<int>{10});
}

TEST(CheckSchedule, AShorterIntervalCountsFromTheNextTick) {
  ScheduleRig rig;
  rig.Select(L"10");
  rig.Ticks(7);
  rig.Select(L"2");
  rig.Ticks(1);
  EXPECT_EQ(rig.checkedAtTick, std::vector<int>{8});
  rig.Ticks(2);
  EXPECT_EQ(rig.checkedAtTick, (std::vector<int>{8, 10}));
}

TEST(CheckSchedule, NeverChecksWithoutAConnectionName) {
  ScheduleRig rig;
  rig.Select(L"1");
  rig.probe.name.clear();
  rig.Ticks(30);
  EXPECT_TRUE(rig.checkedAtTick.empty());
  EXPECT_EQ(rig.probe.questions, 30);
}

TEST(CheckSchedule, StartsTheCheckWhenTheProbeAnswersWithAName) {
  ScheduleRig rig;
  rig.Select(L"1");
  rig.probe.name = L"LAN-Verbindung";  // every Ethernet and WLAN link on a German Windows
  rig.probe.holdsAnswer = true;
  rig.Ticks(1);
  EXPECT_TRUE(rig.checkedAtTick.empty()) << "the tick does not wait for the answer";
  rig.probe.GiveAnswer();
  EXPECT_EQ(rig.checkedAtTick, std::vector<int>{1});
}

TEST(CheckSchedule, AnAnswerAfterATestPressLeavesThatSessionRunning) {
  ScheduleRig rig;
  rig.Select(L"1");
  rig.probe.holdsAnswer = true;
  rig.Ticks(1);
  ++rig.sessionsBegun;  // "&Test"
  rig.probe.GiveAnswer();
  EXPECT_TRUE(rig.checkedAtTick.empty());
  rig.Ticks(1);
  rig.probe.GiveAnswer();
  EXPECT_EQ(rig.checkedAtTick, std::vector<int>{2}) << "the next tick checks again";
}

TEST(CheckSchedule, AsksTheProbeOnlyWhenTheIntervalIsReached) {
  ScheduleRig rig;
  rig.Ticks(4);
  EXPECT_EQ(rig.probe.questions, 0);
  EXPECT_EQ(rig.schedule.MinutesSinceCheck(), 4);
  rig.Ticks(1);
  EXPECT_EQ(rig.probe.questions, 1);
  EXPECT_EQ(rig.schedule.MinutesSinceCheck(), 0);
  rig.Ticks(9);
  EXPECT_EQ(rig.probe.questions, 2);
}

}  // namespace
}  // namespace pbw
