#include "engine/mail_client_command.h"

#include <gtest/gtest.h>

#include <map>

namespace pbw {
namespace {

TEST(ResolveMailClient, StartsTheLongestExistingProgramTheFieldNamesWithTheRestAsArguments) {
  enum class Kind { kFile, kFolder };
  const std::map<std::wstring, Kind> disk = {
      {L"C:\\Tools\\Mail Client\\client.exe", Kind::kFile},
      {L"C:\\Tools\\Mail Client", Kind::kFolder},
      {L"C:\\Tools\\Mail", Kind::kFile},  // a decoy any local user could have put there
      {L"C:\\Tools\\Alt Client", Kind::kFolder},
      {L"C:\\Tools\\Alt", Kind::kFile},
      {L"C:\\Program.exe", Kind::kFile},
      {L"C:\\Program Files\\X Y\\client.exe", Kind::kFile},
      {L"C:\\Post Fach\\mail.exe -p", Kind::kFile},
      {L"C:\\Mail\\mail.exe", Kind::kFile},
      {L"C:\\Tools\\mailer.exe", Kind::kFile},
      {L"C:\\Tools\\notiz", Kind::kFile},
      {L"C:\\Bin\\pbwpost.exe", Kind::kFile},
      {L"C:\\Windows\\mail.exe", Kind::kFile},
      {L"bin\\pbwpost.exe", Kind::kFile},
      {L".\\pbwpost.exe", Kind::kFile},
      {L"pbwpost.exe", Kind::kFile},
  };
  const auto kindOf = [&](const std::wstring& path) {
    const auto found = disk.find(path);
    return found == disk.end() ? std::optional<Kind>() : found->second;
  };
  const ProgramLookup lookup{[&](const std::wstring& path) -> std::optional<std::wstring> {
                               if (kindOf(path) == Kind::kFile) return path;
                               return std::nullopt;
                             },
                             [&](const std::wstring& path) { return kindOf(path) == Kind::kFolder; },
                             [] { return std::wstring(L".;bin;;C:\\Windows;\\Bin;C:\\Bin\\"); }};
  struct Case {
    std::wstring_view field;
    std::wstring_view application;  // empty: nothing starts
    std::wstring_view arguments;
  };
  const Case cases[] = {
      // Longest first: the decoy above the client's folder never starts in its place.
      {L"C:\\Tools\\Mail Client\\client.exe -check", L"C:\\Tools\\Mail Client\\client.exe", L" -check"},
      {L"C:\\Program Files\\X Y\\client.exe", L"C:\\Program Files\\X Y\\client.exe", L""},
      // The client is gone but its folder is still there: the blank lies inside a path.
      {L"C:\\Tools\\Mail Client\\fehlt.exe -check", L"", L""},
      {L"C:\\Tools\\Alt Client -x", L"", L""},
      {L"C:\\Tools\\Mail Client", L"", L""},
      {L"\"C:\\Tools\\Mail Client\"", L"", L""},
      {L"\"C:\\Fehlt.exe\" -x", L"", L""},
      {L"C:\\Fehlt\\mail.exe", L"", L""},
      {L"\"C:\\Program Files\\X Y\\client.exe", L"", L""},
      {L"", L"", L""},
      {L"   ", L"", L""},
      // A file whose name itself ends in what looks like an argument is still one file.
      {L"C:\\Post Fach\\mail.exe -p", L"C:\\Post Fach\\mail.exe -p", L""},
      {L"C:\\Mail\\mail.exe  -x", L"C:\\Mail\\mail.exe", L"  -x"},
      // Without an extension, ".exe" is tried first.
      {L"C:\\Tools\\mailer -check", L"C:\\Tools\\mailer.exe", L" -check"},
      {L"\"C:\\Tools\\mailer\"", L"C:\\Tools\\mailer.exe", L""},
      {L"\"C:\\Tools\\mailer.exe\" -x", L"C:\\Tools\\mailer.exe", L" -x"},
      {L"\"C:\\Tools\\notiz\"", L"C:\\Tools\\notiz", L""},
      {L"\"C:\\Program Files\\X Y\\client.exe\"  /a \"b c\"", L"C:\\Program Files\\X Y\\client.exe", L"  /a \"b c\""},
      // A bare name: only absolute folders are searched, never the current one nor one relative to it.
      {L"pbwpost -check", L"C:\\Bin\\pbwpost.exe", L" -check"},
      {L"\"pbwpost.exe\"", L"C:\\Bin\\pbwpost.exe", L""},
      {L"mail", L"C:\\Windows\\mail.exe", L""},
  };
  for (const auto& c : cases) {
    const auto launch = ResolveMailClient(c.field, lookup);
    ASSERT_EQ(launch.has_value(), !c.application.empty()) << std::wstring(c.field).c_str();
    if (!launch) continue;
    EXPECT_EQ(launch->application, c.application) << std::wstring(c.field).c_str();
    EXPECT_EQ(launch->commandLine, L"\"" + std::wstring(c.application) + L"\"" + std::wstring(c.arguments))
        << std::wstring(c.field).c_str();
  }
}

}  // namespace
}  // namespace pbw
