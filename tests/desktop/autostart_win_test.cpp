#include "desktop/autostart_win.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "common/unique_handle_win.h"
#include "desktop/program_location_win.h"
#include "tests/desktop/check_box_stand_in.h"
#include "tests/support/raw_registry_value_win.h"
#include "tests/support/test_files_win.h"

namespace pbw {
namespace {

constexpr wchar_t kShellFoldersKey[] = L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";
constexpr wchar_t kRunKey[] = L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run";
// Written out, not taken from the program: the entry that existing users' Windows starts.
constexpr wchar_t kRunEntry[] = L"PostboxWatchman";
constexpr wchar_t kStartupApprovedKey[] =
    L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Explorer\\StartupApproved\\Run";

// The real system, except that messages are collected instead of waiting for a user.
class CollectedMessagesSystem : public WindowsAutostartSystem {
 public:
  void ShowInformation(const std::wstring& text) override { messages.push_back(text); }
  std::vector<std::wstring> messages;
};

bool IsOnDisk(const std::wstring& path) { return ::GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

class AutostartWinTest : public ::testing::Test {
 protected:
  AutostartWinTest() {
    testing::WriteRawValue(HKEY_CURRENT_USER, kShellFoldersKey, L"Startup",
                           {true, REG_SZ, testing::BytesOf(files.Folder().wstring() + L'\0')});
    testing::WriteRawValue(HKEY_CURRENT_USER, kRunKey, kRunEntry, {});
    box.onClick = [this] { ApplyAutostartState(box, system); };
  }

  static testing::RawValue RunEntry() { return testing::ReadRawValue(HKEY_CURRENT_USER, kRunKey, kRunEntry); }

  static testing::RawValue QuotedEntryOfThisProgram() {
    return {true, REG_SZ, testing::BytesOf(L"\"" + GetExePath() + L"\" /AUTOSTART" + L'\0')};
  }

  // Put back as they were before the test, whatever it did.
  testing::SavedRegistryValue savedStartup{HKEY_CURRENT_USER, kShellFoldersKey, L"Startup"};
  testing::SavedRegistryValue savedEntry{HKEY_CURRENT_USER, kRunKey, kRunEntry};
  testing::SavedRegistryValue savedMark{HKEY_CURRENT_USER, kStartupApprovedKey, kRunEntry};
  testing::TestFiles files{L"PBW Autostart Ü😀"};
  CollectedMessagesSystem system;
  testing::CheckBoxStandIn box;
};

TEST_F(AutostartWinTest, AReadOnlyShortcutIsReplacedByTheRunEntry) {
  const std::wstring shortcut = files.Create(L"PostboxWatchman.lnk", FILE_ATTRIBUTE_READONLY);
  LoadAutostartState(box, system);

  EXPECT_FALSE(IsOnDisk(shortcut));
  EXPECT_TRUE(system.messages.empty());
  EXPECT_EQ(box.value, 1);
  EXPECT_EQ(box.tag, L"OK");
  EXPECT_EQ(RunEntry(), QuotedEntryOfThisProgram());
}

TEST_F(AutostartWinTest, AShortcutInUseIsReportedAndTheEntryStillWritten) {
  const std::wstring shortcut = files.Create(L"PostboxWatchman.lnk");
  {
    // Opened without sharing deletion, so it cannot be deleted while the handle lives.
    UniqueKernelHandle inUse(
        ::CreateFileW(shortcut.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr));
    ASSERT_NE(inUse.get(), INVALID_HANDLE_VALUE);
    LoadAutostartState(box, system);
  }
  EXPECT_TRUE(IsOnDisk(shortcut));
  EXPECT_EQ(system.messages, std::vector<std::wstring>{L"Datei nicht löschbar: " + shortcut});
  EXPECT_EQ(box.value, 1);
  EXPECT_EQ(RunEntry(), QuotedEntryOfThisProgram());
}

TEST_F(AutostartWinTest, AHiddenShortcutIsLeftAlone) {
  const std::wstring shortcut = files.Create(L"PostboxWatchman.lnk", FILE_ATTRIBUTE_HIDDEN);
  LoadAutostartState(box, system);

  EXPECT_TRUE(IsOnDisk(shortcut));
  EXPECT_EQ(box.value, 0);
  EXPECT_EQ(box.tag, L"OK");
  EXPECT_FALSE(RunEntry().exists);
}

TEST_F(AutostartWinTest, AnUnquotedEntryOfThisProgramIsRewrittenQuotedAtLoad) {
  testing::WriteRawValue(HKEY_CURRENT_USER, kRunKey, kRunEntry,
                         {true, REG_SZ, testing::BytesOf(GetExePath() + L" /AUTOSTART" + L'\0')});
  LoadAutostartState(box, system);
  EXPECT_EQ(box.value, 1);
  EXPECT_EQ(RunEntry(), QuotedEntryOfThisProgram());
}

TEST_F(AutostartWinTest, TheBoxShowsAnExistingEntryThenTicksAndUnticksIt) {
  box.onClick = [this] { ApplyAutostartState(box); };
  const testing::RawValue oldEntry{true, REG_SZ,
                                   testing::BytesOf(L"C:\\Alt\\PBW.exe /AUTOSTART" + std::wstring(1, L'\0'))};
  testing::WriteRawValue(HKEY_CURRENT_USER, kRunKey, kRunEntry, oldEntry);

  LoadAutostartState(box);
  EXPECT_EQ(box.value, 1);
  EXPECT_EQ(RunEntry(), oldEntry);

  box.SetValue(0);
  EXPECT_FALSE(RunEntry().exists);
  box.SetValue(1);
  EXPECT_EQ(RunEntry(), QuotedEntryOfThisProgram());
  box.SetValue(0);
  EXPECT_FALSE(RunEntry().exists);
  // Unticked again with no entry left: nothing to remove, nothing created.
  ApplyAutostartState(box);
  EXPECT_FALSE(RunEntry().exists);
}

// Task Manager's switch as it writes it: a status byte, three zero bytes and the time of the change.
testing::RawValue StartupMark(BYTE status) {
  return {true, REG_BINARY, {status, 0, 0, 0, 0x10, 0x7A, 0x3C, 0x58, 0x2E, 0x69, 0xDA, 0x01}};
}

TEST_F(AutostartWinTest, AnEntryTurnedOffInTheStartUpListShowsUntickedUntilTheUserTicksTheBox) {
  struct {
    const char* what;
    testing::RawValue mark;
    int shown;
  } const cases[] = {
      {"turned off", StartupMark(3), 0},
      {"turned on again", StartupMark(2), 1},
      {"no mark", {}, 1},
  };
  box.onClick = [this] { ApplyAutostartState(box); };
  for (const auto& c : cases) {
    box.value = 0;
    box.tag.clear();
    const testing::RawValue entry = QuotedEntryOfThisProgram();
    testing::WriteRawValue(HKEY_CURRENT_USER, kRunKey, kRunEntry, entry);
    testing::WriteRawValue(HKEY_CURRENT_USER, kStartupApprovedKey, kRunEntry, c.mark);

    LoadAutostartState(box);
    EXPECT_EQ(box.value, c.shown) << c.what;
    // Showing is no choice: entry and mark stay as they are.
    EXPECT_EQ(RunEntry(), entry) << c.what;
    EXPECT_EQ(testing::ReadRawValue(HKEY_CURRENT_USER, kStartupApprovedKey, kRunEntry), c.mark) << c.what;
  }

  // Unticking a turned-off entry leaves neither entry nor mark; ticking turns the new entry on.
  testing::WriteRawValue(HKEY_CURRENT_USER, kStartupApprovedKey, kRunEntry, StartupMark(3));
  box.SetValue(0);
  EXPECT_FALSE(RunEntry().exists);
  EXPECT_FALSE(testing::ReadRawValue(HKEY_CURRENT_USER, kStartupApprovedKey, kRunEntry).exists);
  testing::WriteRawValue(HKEY_CURRENT_USER, kStartupApprovedKey, kRunEntry, StartupMark(3));
  box.SetValue(1);
  EXPECT_EQ(RunEntry(), QuotedEntryOfThisProgram());
  EXPECT_FALSE(testing::ReadRawValue(HKEY_CURRENT_USER, kStartupApprovedKey, kRunEntry).exists);
}

}  // namespace
}  // namespace pbw
