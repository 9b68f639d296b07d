#include "engine/mail_client_command.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

namespace pbw {
namespace {

TEST(ResolveMailClient, StartsOnlyTheProgramTheFieldNamesWithTheRestAsArguments) {
  const std::set<std::wstring> files = {L"C:\\Program Files\\X Y\\client.exe", L"C:\\Program.exe",
                                        L"C:\\Post Fach\\mail.exe -p", L"C:\\Mail\\mail.exe"};
  std::vector<std::wstring> looked;
  std::vector<std::wstring> searched;
  const ProgramLookup lookup{[&](const std::wstring& path) -> std::optional<std::wstring> {
                               looked.push_back(path);
                               if (files.contains(path)) return path;
                               return std::nullopt;
                             },
                             [&](const std::wstring& name) -> std::optional<std::wstring> {
                               searched.push_back(name);
                               if (name == L"mail" || name == L"mail.exe") return L"C:\\Windows\\mail.exe";
                               return std::nullopt;
                             }};
  struct Case {
    std::wstring_view field;
    std::wstring_view application;  // empty: nothing starts
    std::wstring_view commandLine;
  };
  const Case cases[] = {
      // "C:\Program" never counts as C:\Program.exe.
      {L"C:\\Program Files\\X Y\\client.exe -check", L"C:\\Program Files\\X Y\\client.exe",
       L"\"C:\\Program Files\\X Y\\client.exe\" -check"},
      {L"C:\\Program Files\\X Y\\client.exe", L"C:\\Program Files\\X Y\\client.exe",
       L"\"C:\\Program Files\\X Y\\client.exe\""},
      {L"\"C:\\Program Files\\X Y\\client.exe\"  /a \"b c\"", L"C:\\Program Files\\X Y\\client.exe",
       L"\"C:\\Program Files\\X Y\\client.exe\"  /a \"b c\""},
      {L"mail -check", L"C:\\Windows\\mail.exe", L"\"C:\\Windows\\mail.exe\" -check"},
      {L"\"mail.exe\"", L"C:\\Windows\\mail.exe", L"\"C:\\Windows\\mail.exe\""},
      // A file whose name itself ends in what looks like an argument is still one file.
      {L"C:\\Post Fach\\mail.exe -p", L"C:\\Post Fach\\mail.exe -p", L"\"C:\\Post Fach\\mail.exe -p\""},
      {L"C:\\Mail\\mail.exe  -x", L"C:\\Mail\\mail.exe", L"\"C:\\Mail\\mail.exe\"  -x"},
      {L"\"C:\\Fehlt.exe\" -x", L"", L""},
      {L"\"C:\\Program Files\\X Y\\client.exe", L"", L""},
      {L"C:\\Fehlt\\mail.exe", L"", L""},
      {L"", L"", L""},
  };
  for (const auto& c : cases) {
    const auto launch = ResolveMailClient(c.field, lookup);
    ASSERT_EQ(launch.has_value(), !c.application.empty()) << std::wstring(c.field).c_str();
    if (!launch) continue;
    EXPECT_EQ(launch->application, c.application) << std::wstring(c.field).c_str();
    EXPECT_EQ(launch->commandLine, c.commandLine) << std::wstring(c.field).c_str();
  }
  EXPECT_EQ(std::count(looked.begin(), looked.end(), L"C:\\Program"), 1);
  EXPECT_EQ(std::count(looked.begin(), looked.end(), L"mail"), 0) << "a bare name is never looked for as a path";
}

}  // namespace
}  // namespace pbw
