#include "engine/connection_probe_win.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/support/message_pump_win.h"

namespace pbw {
namespace {

// Wine reports its one connection by this name in the C and English locales ("LAN-Verbindung" in
// German).
const std::wstring kWineConnection = L"LAN Connection";

TEST(InternetConnectionProbe, AnswersLaterOnThisThreadWithTheActiveConnection) {
  InternetConnectionProbe probe;
  std::vector<std::wstring> answers;
  probe.AskConnectionName([&](const std::wstring& name) { answers.push_back(name); });
  EXPECT_TRUE(answers.empty()) << "the question must not hold up its asker";
  ASSERT_TRUE(testing::PumpMessagesUntil([&] { return !answers.empty(); }));
  EXPECT_EQ(answers, std::vector<std::wstring>{kWineConnection});
}

TEST(InternetConnectionProbe, ANewerQuestionCancelsTheAnswerToTheOlderOne) {
  InternetConnectionProbe probe;
  std::vector<int> answered;
  probe.AskConnectionName([&](const std::wstring&) { answered.push_back(1); });
  probe.AskConnectionName([&](const std::wstring&) { answered.push_back(2); });
  ASSERT_TRUE(testing::PumpMessagesUntil([&] { return !answered.empty(); }));
  // The older worker may finish later still: give it time to show that it says nothing.
  testing::PumpMessagesUntil([] { return false; }, std::chrono::milliseconds(500));
  EXPECT_EQ(answered, std::vector<int>{2});
}

}  // namespace
}  // namespace pbw
