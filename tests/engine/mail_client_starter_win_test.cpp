#include "engine/mail_client_starter_win.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <filesystem>

#include "tests/support/message_pump_win.h"
#include "tests/support/stand_in_mail_client_win.h"
#include "tests/support/temporary_folder.h"

namespace pbw {
namespace {

using testing::InstallStandInMailClient;
using testing::MarkerText;
using testing::PumpMessagesUntil;

class MailClientStarterTest : public ::testing::Test {
 protected:
  // Until it can be read: the client's rename may still hold the file a moment after it appears.
  bool WaitForMarker(const std::filesystem::path& marker) {
    return PumpMessagesUntil([&] { return !MarkerText(marker).empty(); });
  }

  testing::TemporaryFolder folder{L"pbw-mailclient"};
  testing::InstalledMailClient client = InstallStandInMailClient(folder.Path());
  MailClientStarter starter;
};

TEST_F(MailClientStarterTest, APathWithBlanksIsQuotedSoThatNoShorterProgramStarts) {
  ASSERT_TRUE(starter.StartProgram(client.program.wstring()));
  ASSERT_TRUE(WaitForMarker(client.ProgramMarker()));
  EXPECT_EQ(MarkerText(client.ProgramMarker()), L"\"" + client.program.wstring() + L"\"");
  EXPECT_FALSE(std::filesystem::exists(client.DecoyMarker()));
}

TEST_F(MailClientStarterTest, ACommandLineWithArgumentsIsUsedAsItStands) {
  const std::filesystem::path marker = folder.Path() / L"Marke mit Blank.txt";
  const std::wstring commandLine = L"\"" + client.program.wstring() + L"\" \"" + marker.wstring() + L"\"";
  ASSERT_TRUE(starter.StartProgram(commandLine));
  ASSERT_TRUE(WaitForMarker(marker));
  EXPECT_EQ(MarkerText(marker), commandLine);
}

TEST_F(MailClientStarterTest, AnUnquotedPathWithBlanksAndArgumentsStartsThatProgramNeverTheDecoy) {
  const std::filesystem::path marker = folder.Path() / L"Marke.txt";
  ASSERT_TRUE(starter.StartProgram(client.program.wstring() + L" \"" + marker.wstring() + L"\""));
  ASSERT_TRUE(WaitForMarker(marker));
  EXPECT_EQ(MarkerText(marker), L"\"" + client.program.wstring() + L"\" \"" + marker.wstring() + L"\"");
  EXPECT_FALSE(std::filesystem::exists(client.DecoyMarker()));
}

TEST_F(MailClientStarterTest, ABareNameIsFoundOnPathNeverInTheCurrentFolderNorThroughARelativeEntry) {
  const std::filesystem::path onPath = folder.Path() / L"auf dem Pfad";
  const std::filesystem::path current = folder.Path() / L"aktuell";
  for (const auto& where : {onPath, current}) {
    std::filesystem::create_directory(where);
    std::filesystem::copy_file(client.program, where / L"pbwpost.exe");
  }
  std::wstring path(32767, L'\0');
  path.resize(::GetEnvironmentVariableW(L"PATH", path.data(), static_cast<DWORD>(path.size())));
  const std::filesystem::path before = std::filesystem::current_path();
  ::SetEnvironmentVariableW(L"PATH", (L".;;..\\aktuell;" + onPath.wstring() + L";" + path).c_str());
  std::filesystem::current_path(current);
  const bool started = starter.StartProgram(L"pbwpost");
  std::filesystem::current_path(before);
  ::SetEnvironmentVariableW(L"PATH", path.c_str());

  ASSERT_TRUE(started);
  ASSERT_TRUE(WaitForMarker(onPath / L"pbwpost.exe.gestartet"));
  EXPECT_FALSE(std::filesystem::exists(current / L"pbwpost.exe.gestartet"));
}

TEST_F(MailClientStarterTest, WhatNamesNoProgramIsReportedAsNotStarted) {
  std::filesystem::create_directory(folder.Path() / L"Ordner");
  for (const std::wstring& text : {std::wstring(), (folder.Path() / L"fehlt.exe").wstring(),
                                   (folder.Path() / L"Ordner").wstring(), std::wstring(L"   ")}) {
    EXPECT_FALSE(starter.StartProgram(text)) << text.c_str();
  }
}

}  // namespace
}  // namespace pbw
