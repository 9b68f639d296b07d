// The help page beside the program must explain what the program shows, in the program's own words.

#include <gtest/gtest.h>

#include <fstream>
#include <algorithm>
#include <iterator>
#include <string>
#include <vector>

#include "about/info_form_layout.h"
#include "common/text_encoding.h"
#include "engine/status_texts.h"
#include "engine/status_trace.h"
#include "mainwindow/form1_layout.h"
#include "tests/support/engine_stand_ins.h"

namespace pbw {
namespace {

// The build puts a copy of the page into the folder in which the test runs.
std::string HelpPage() {
  std::ifstream file("hilfe.htm", std::ios::binary);
  return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

void ExpectPageMentions(const std::string& page, const std::vector<std::wstring>& texts) {
  for (const std::wstring& text : texts) {
    EXPECT_NE(page.find(ToUtf8(text)), std::string::npos) << ToUtf8(text);
  }
}

TEST(OnlineHelpPage, IsUtf8HtmlThatSaysSo) {
  const std::string page = HelpPage();
  ASSERT_FALSE(page.empty());
  EXPECT_EQ(page.rfind("<!DOCTYPE html>", 0), 0u);
  EXPECT_NE(page.find("<meta charset=\"utf-8\">"), std::string::npos);
  EXPECT_EQ(ToUtf8(DecodeServerText(page)), page) << "not valid UTF-8";
}

TEST(OnlineHelpPage, NeedsNothingFromOutside) {
  const std::string page = HelpPage();
  for (const char* reference : {"src=", "<link", "@import", "url(", "href=\"http", "<script"}) {
    EXPECT_EQ(page.find(reference), std::string::npos) << reference;
  }
}

TEST(OnlineHelpPage, ExplainsEveryStatusText) {
  using namespace status_text;
  ExpectPageMentions(HelpPage(), {std::wstring(kLoggingIn), std::wstring(kOpening), std::wstring(kHostNotAnswering),
                                  std::wstring(kMailboxUnknown), std::wstring(kLoginRejected), std::wstring(kNewMail),
                                  std::wstring(kMailboxEmpty), std::wstring(kUnknownStep), TimeoutText(90)});
}

TEST(OnlineHelpPage, ExplainsEveryFieldAndButtonOfTheMainWindow) {
  ExpectPageMentions(HelpPage(),
                     {L"POP3-Server", L"Postfach", L"Passwort", L"Prüfinterval", L"Minuten", L"E-Mail-Programm",
                      L"Autostart", L"Test", L"...", L"Info", L"Hilfe", L"Ende", L"OK", L"Mail-Client auswählen",
                      L"server:port", L"Die Online-Hilfe konnte leider nicht gefunden werden ..."});
}

TEST(OnlineHelpPage, ExplainsEveryButtonOfTheAboutDialog) {
  std::vector<std::wstring> captions;
  for (const FormControl& button : info_form::kControls) {
    if (button.kind != ControlKind::DialogButton) continue;
    // The page marks the access key by underlining it instead of with "&".
    std::wstring caption(button.caption);
    const std::size_t mark = caption.find(L'&');
    caption.replace(mark, 2, L"<span class=\"key\">" + caption.substr(mark + 1, 1) + L"</span>");
    captions.push_back(caption);
  }
  ExpectPageMentions(HelpPage(), captions);
}

// The contents of every table cell that opens with `cellStart`.
std::vector<std::string> Cells(const std::string& page, const std::string& cellStart) {
  std::vector<std::string> cells;
  for (std::size_t at = page.find(cellStart); at != std::string::npos; at = page.find(cellStart, at)) {
    at += cellStart.size();
    cells.push_back(page.substr(at, page.find("</td>", at) - at));
  }
  return cells;
}

bool Contains(const std::vector<std::wstring>& texts, const std::string& utf8) {
  return std::find(texts.begin(), texts.end(), DecodeServerText(utf8)) != texts.end();
}

// The description beside the status text `text` in the page's tables.
std::string DescriptionOf(const std::string& page, std::wstring_view text) {
  const std::string cell = "<td class=\"text\">" + ToUtf8(text) + "</td>";
  const std::size_t at = page.find(cell);
  if (at == std::string::npos) return {};
  const std::size_t start = page.find("<td>", at + cell.size()) + std::string("<td>").size();
  return page.substr(start, page.find("</td>", start) - start);
}

// Each text of a session's start is described by the phase in which the engine shows it: the first
// is replaced at once, the second stands for the rest of the session and, while no server answers,
// until the watchdog's text.
TEST(OnlineHelpPage, DescribesEachStartTextByThePhaseInWhichItStands) {
  testing::EngineRig rig;
  rig.check.StartPop3Check();
  ASSERT_EQ(rig.status.history.size(), 2u);
  const std::wstring replaced = rig.status.history[0].substr(1);
  const std::wstring standing = rig.status.history[1].substr(1);
  rig.Ticks(Pop3Check::kWatchdogLimit - 1);
  ASSERT_EQ(rig.status.Text().substr(1), standing);
  rig.Ticks(1);
  const std::wstring afterTimeout = rig.status.Text().substr(1);

  const std::string page = HelpPage();
  const std::string first = DescriptionOf(page, replaced);
  EXPECT_NE(first.find("sofort"), std::string::npos) << first;
  EXPECT_NE(first.find("„" + ToUtf8(standing) + "“"), std::string::npos) << first;
  const std::string second = DescriptionOf(page, standing);
  EXPECT_NE(second.find("bis das Ergebnis feststeht"), std::string::npos) << second;
  EXPECT_NE(second.find("nicht erreichbar"), std::string::npos) << second;
  EXPECT_NE(second.find(std::to_string(Pop3Check::kWatchdogLimit) + " Sekunden"), std::string::npos) << second;
  EXPECT_NE(second.find("„" + ToUtf8(afterTimeout) + "“"), std::string::npos) << second;
}

// The other way round: what the page quotes, the program really shows.
TEST(OnlineHelpPage, QuotesOnlyStatusTextsTheProgramShows) {
  using namespace status_text;
  const std::vector<std::wstring> shown{
      std::wstring(kLoggingIn),      std::wstring(kOpening),          std::wstring(kHostNotAnswering),
      std::wstring(kMailboxUnknown), std::wstring(kLoginRejected),    std::wstring(kNewMail),
      std::wstring(kMailboxEmpty),   std::wstring(kUnknownStep),      TimeoutText(90),
      std::wstring(kTlsUntrusted),   std::wstring(kTlsWrongHost),     std::wstring(kTlsExpired),
      std::wstring(kTlsFailed),      std::wstring(kPlainLoginRefused)};
  const std::vector<std::string> quoted = Cells(HelpPage(), "<td class=\"text\">");
  EXPECT_GE(quoted.size(), shown.size());
  for (std::string text : quoted) {
    // The step number stands in the page as a placeholder.
    if (const auto placeholder = text.find("<i>Zahl</i>"); placeholder != std::string::npos) text.erase(placeholder);
    EXPECT_TRUE(Contains(shown, text)) << text;
  }
}

TEST(OnlineHelpPage, NamesOnlyButtonsTheProgramHas) {
  std::vector<std::wstring> captions;
  for (const auto layout : {Form1Layout(), std::span<const FormControl>(info_form::kControls)}) {
    for (const FormControl& control : layout) {
      if (!control.caption.empty() && control.kind != ControlKind::TextBlock) captions.emplace_back(control.caption);
    }
  }
  const std::string key = "<span class=\"key\">";
  int named = 0;
  for (const std::string& cell : Cells(HelpPage(), "<td>")) {
    // A caption cell underlines the access key where the program writes "&".
    const std::size_t mark = cell.find(key);
    if (mark == std::string::npos) continue;
    const std::size_t letter = mark + key.size();
    const std::size_t end = cell.find("</span>", letter);
    const std::string caption = cell.substr(0, mark) + "&" + cell.substr(letter, end - letter) +
                                cell.substr(end + std::string("</span>").size());
    EXPECT_TRUE(Contains(captions, caption)) << caption;
    ++named;
  }
  EXPECT_EQ(named, 9) << "five buttons of the main window and four of the About dialog";
}

}  // namespace
}  // namespace pbw
