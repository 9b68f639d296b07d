#include "desktop/autostart.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>
#include <vector>

#include "resources/program_identity.h"
#include "tests/desktop/check_box_stand_in.h"

namespace pbw {
namespace {

constexpr wchar_t kStartupFolder[] = L"C:\\Users\\Anna\\Startmenü\\Programme\\Autostart";
constexpr wchar_t kShortcut[] = L"C:\\Users\\Anna\\Startmenü\\Programme\\Autostart\\PostboxWatchman.lnk";
constexpr wchar_t kQuotedEntry[] = L"\"C:\\Program Files\\PBW\\PBW.exe\" /AUTOSTART";

class SystemStandIn : public AutostartSystem {
 public:
  std::wstring StartupFolder() override { return startupFolder; }
  std::wstring ExePath() override { return exePath; }
  bool FindsOrdinaryFile(const std::wstring& path) override { return files.contains(path); }
  bool ClearFileAttributes(const std::wstring&) override { return attributesClearable; }
  bool RemoveFile(const std::wstring& path) override {
    if (!removable) return false;
    files.erase(path);
    return true;
  }
  void ShowInformation(const std::wstring& text) override { messages.push_back(text); }
  bool HasRunEntry(const std::wstring& entryName) override { return runEntries.contains(entryName); }
  std::wstring RunEntry(const std::wstring& entryName) override {
    return runEntries.contains(entryName) ? runEntries[entryName] : L"";
  }
  void SetRunEntry(const std::wstring& entryName, const std::wstring& commandLine) override {
    runEntries[entryName] = commandLine;
    ++writes;
  }
  void RemoveRunEntry(const std::wstring& entryName) override {
    runEntries.erase(entryName);
    ++removals;
  }
  bool IsRunEntryDisabled(const std::wstring& entryName) override { return disabledEntries.contains(entryName); }
  void ClearRunEntryMark(const std::wstring& entryName) override { disabledEntries.erase(entryName); }

  std::wstring startupFolder = kStartupFolder;
  std::wstring exePath = L"C:\\Program Files\\PBW\\PBW.exe";
  std::set<std::wstring> files;
  bool attributesClearable = true;
  bool removable = true;
  std::vector<std::wstring> messages;
  std::map<std::wstring, std::wstring> runEntries;
  std::set<std::wstring> disabledEntries;
  int writes = 0;
  int removals = 0;
};

class AutostartTest : public ::testing::Test {
 protected:
  AutostartTest() {
    box.onClick = [this] { ApplyAutostartState(box, system); };
  }

  SystemStandIn system;
  testing::CheckBoxStandIn box;
};

TEST_F(AutostartTest, MigrationDeletesTheShortcutAndWritesTheQuotedEntryOnce) {
  system.files = {kShortcut};
  LoadAutostartState(box, system);

  EXPECT_TRUE(system.files.empty());
  EXPECT_EQ(box.value, 1);
  EXPECT_EQ(box.tag, L"OK");
  EXPECT_EQ(system.writes, 1);
  EXPECT_EQ(system.runEntries[kRunEntryName], kQuotedEntry);
  EXPECT_TRUE(system.messages.empty());
}

TEST_F(AutostartTest, StartupFolderWithTrailingBackslashGetsNoSecondOne) {
  system.startupFolder = std::wstring(kStartupFolder) + L"\\";
  system.files = {kShortcut};
  LoadAutostartState(box, system);
  EXPECT_TRUE(system.files.empty());
}

struct FailureCase {
  const char* name;
  bool attributesClearable;
  bool removable;
  std::vector<std::wstring> messages;
};

class AutostartFailureTest : public AutostartTest, public ::testing::WithParamInterface<FailureCase> {};

TEST_P(AutostartFailureTest, ShowsEachFailureAndStillWritesTheEntry) {
  system.files = {kShortcut};
  system.attributesClearable = GetParam().attributesClearable;
  system.removable = GetParam().removable;
  LoadAutostartState(box, system);

  EXPECT_EQ(system.messages, GetParam().messages);
  EXPECT_EQ(box.value, 1);
  EXPECT_EQ(system.writes, 1);
  EXPECT_EQ(system.runEntries[kRunEntryName], kQuotedEntry);
}

INSTANTIATE_TEST_SUITE_P(
    Failures, AutostartFailureTest,
    ::testing::Values(FailureCase{"Attributes", false, true, {std::wstring(L"Attribute nicht löschbar: ") + kShortcut}},
                      FailureCase{"Deletion", true, false, {std::wstring(L"Datei nicht löschbar: ") + kShortcut}},
                      FailureCase{"Both",
                                  false,
                                  false,
                                  {std::wstring(L"Attribute nicht löschbar: ") + kShortcut,
                                   std::wstring(L"Datei nicht löschbar: ") + kShortcut}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(AutostartTest, WithoutAStartupFolderNoShortcutIsLookedFor) {
  system.startupFolder.clear();
  system.files = {L"\\PostboxWatchman.lnk"};
  LoadAutostartState(box, system);

  EXPECT_EQ(system.files.size(), 1u);
  EXPECT_EQ(box.value, 0);
  EXPECT_EQ(box.tag, L"OK");
  EXPECT_EQ(system.writes + system.removals, 0);
}

TEST_F(AutostartTest, AnExistingEntryTicksTheBoxAndOnlyThisProgramsUnquotedPathIsRewritten) {
  struct Case {
    std::wstring_view entry;
    std::wstring_view afterLoad;
  };
  const Case cases[] = {
      {L"C:\\Program Files\\PBW\\PBW.exe /AUTOSTART", kQuotedEntry},
      {L"c:\\program files\\pbw\\PBW.EXE /AUTOSTART", kQuotedEntry},
      {kQuotedEntry, kQuotedEntry},
      {L"C:\\Alt\\PBW.exe /AUTOSTART", L"C:\\Alt\\PBW.exe /AUTOSTART"},
      {L"C:\\Program Files\\PBW\\PBW.exe", L"C:\\Program Files\\PBW\\PBW.exe"},
      {L"", L""},
  };
  for (const auto& c : cases) {
    system.runEntries = {{kRunEntryName, std::wstring(c.entry)}};
    system.writes = 0;
    box.value = 0;
    box.tag.clear();
    LoadAutostartState(box, system);

    EXPECT_EQ(box.value, 1);
    EXPECT_EQ(box.tag, L"OK");
    EXPECT_EQ(system.runEntries[kRunEntryName], c.afterLoad) << std::wstring(c.entry).c_str();
    EXPECT_EQ(system.writes, c.entry == c.afterLoad ? 0 : 1) << std::wstring(c.entry).c_str();
    EXPECT_EQ(system.removals, 0);
  }
}

TEST_F(AutostartTest, TickingWritesTheCurrentPathAndUntickingRemoves) {
  LoadAutostartState(box, system);

  box.SetValue(1);
  EXPECT_EQ(system.runEntries[kRunEntryName], kQuotedEntry);
  box.SetValue(0);
  EXPECT_FALSE(system.runEntries.contains(kRunEntryName));

  // A moved program stores its new place on the next tick.
  system.exePath = L"D:\\Neu\\PBW.exe";
  box.SetValue(2);
  EXPECT_EQ(system.runEntries[kRunEntryName], L"\"D:\\Neu\\PBW.exe\" /AUTOSTART");
  EXPECT_EQ(system.writes, 2);
  EXPECT_EQ(system.removals, 1);
}

TEST_F(AutostartTest, ClicksBeforeTheBoxIsReadyChangeNothing) {
  box.SetValue(1);
  box.SetValue(0);
  EXPECT_EQ(system.writes + system.removals, 0);
}

}  // namespace
}  // namespace pbw
