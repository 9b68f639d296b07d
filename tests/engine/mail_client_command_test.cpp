#include "engine/mail_client_command.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

namespace pbw {
namespace {

TEST(MailClientCommandLine, QuotesOnlyAWholeTextThatNamesAnExistingFile) {
  const std::set<std::wstring> files = {L"C:\\Program Files\\Mail\\mail.exe", L"C:\\Mail\\mail.exe",
                                        L"C:\\Post Fach\\mail.exe -p"};
  std::vector<std::wstring> asked;
  const auto exists = [&](const std::wstring& path) {
    asked.push_back(path);
    return files.contains(path);
  };
  struct Case {
    std::wstring_view field;
    std::wstring_view commandLine;
  };
  const Case cases[] = {
      {L"C:\\Program Files\\Mail\\mail.exe", L"\"C:\\Program Files\\Mail\\mail.exe\""},
      {L"C:\\Mail\\mail.exe", L"\"C:\\Mail\\mail.exe\""},
      {L"C:\\Mail\\mail.exe -compose", L"C:\\Mail\\mail.exe -compose"},
      {L"C:\\Program Files\\Mail\\mail.exe /check", L"C:\\Program Files\\Mail\\mail.exe /check"},
      {L"\"C:\\Program Files\\Mail\\mail.exe\" /check", L"\"C:\\Program Files\\Mail\\mail.exe\" /check"},
      {L"\"C:\\Program Files\\Mail\\mail.exe\"", L"\"C:\\Program Files\\Mail\\mail.exe\""},
      {L"C:\\Fehlt\\mail.exe", L"C:\\Fehlt\\mail.exe"},
      // A file whose name itself ends in what looks like an argument is still one file.
      {L"C:\\Post Fach\\mail.exe -p", L"\"C:\\Post Fach\\mail.exe -p\""},
      {L"", L""},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(MailClientCommandLine(c.field, exists), c.commandLine) << std::wstring(c.field).c_str();
  }
  EXPECT_EQ(std::count(asked.begin(), asked.end(), L""), 0) << "an empty field names no file";
  EXPECT_EQ(std::count(asked.begin(), asked.end(), L"\"C:\\Program Files\\Mail\\mail.exe\""), 0)
      << "a quoted text is taken as it stands";
}

}  // namespace
}  // namespace pbw
