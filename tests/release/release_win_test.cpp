// The downloads as a user meets them, in a Wine prefix of their own: the setup program installs,
// updates over a running copy and uninstalls; the zip archive's program starts where it was unpacked.

#include <gtest/gtest.h>
#include <windows.h>
#include <shlobj.h>

#include <algorithm>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "common/unique_handle_win.h"
#include "resources/program_identity.h"
#include "tests/support/pbw_remote_win.h"

namespace pbw::testing {
namespace {

namespace fs = std::filesystem;

constexpr wchar_t kUninstallKey[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\PostboxWatchman";
constexpr wchar_t kRunKey[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\Run";
constexpr DWORD kSetupLimitMs = 120000;

fs::path KnownFolder(REFKNOWNFOLDERID id) {
  PWSTR path = nullptr;
  fs::path result;
  if (SUCCEEDED(::SHGetKnownFolderPath(id, 0, nullptr, &path))) result = path;
  ::CoTaskMemFree(path);
  return result;
}

fs::path DefaultInstallFolder() { return KnownFolder(FOLDERID_LocalAppData) / L"Programs" / L"PostboxWatchman"; }
fs::path StartMenuEntry() { return KnownFolder(FOLDERID_Programs) / L"PostboxWatchman.lnk"; }

std::optional<std::wstring> ReadText(const wchar_t* key, const wchar_t* name) {
  DWORD size = 0;
  if (::RegGetValueW(HKEY_CURRENT_USER, key, name, RRF_RT_REG_SZ, nullptr, nullptr, &size) != ERROR_SUCCESS) {
    return std::nullopt;
  }
  std::wstring text(size / sizeof(wchar_t), L'\0');
  ::RegGetValueW(HKEY_CURRENT_USER, key, name, RRF_RT_REG_SZ, nullptr, text.data(), &size);
  text.resize(size / sizeof(wchar_t) - 1);
  return text;
}

std::optional<DWORD> ReadNumber(const wchar_t* key, const wchar_t* name) {
  DWORD value = 0;
  DWORD size = sizeof(value);
  if (::RegGetValueW(HKEY_CURRENT_USER, key, name, RRF_RT_REG_DWORD, nullptr, &value, &size) != ERROR_SUCCESS) {
    return std::nullopt;
  }
  return value;
}

void WriteText(const wchar_t* key, const wchar_t* name, const std::wstring& text) {
  ::RegSetKeyValueW(HKEY_CURRENT_USER, key, name, REG_SZ, text.c_str(),
                    static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t)));
}

bool KeyExists(const wchar_t* key) {
  UniqueKey opened;
  return ::RegOpenKeyExW(HKEY_CURRENT_USER, key, 0, KEY_READ, opened.put()) == ERROR_SUCCESS;
}

std::vector<std::wstring> FileNames(const fs::path& folder) {
  std::vector<std::wstring> names;
  for (const auto& entry : fs::directory_iterator(folder)) names.push_back(entry.path().filename().wstring());
  std::sort(names.begin(), names.end());
  return names;
}

// Runs a program to its end; its exit code, or nothing when it did not start or end in time.
std::optional<DWORD> Run(const fs::path& program, const std::wstring& arguments) {
  std::wstring commandLine = L"\"" + program.wstring() + L"\" " + arguments;
  STARTUPINFOW startup{};
  startup.cb = sizeof(startup);
  PROCESS_INFORMATION info{};
  if (!::CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                        &info)) {
    return std::nullopt;
  }
  ::CloseHandle(info.hThread);
  UniqueKernelHandle process(info.hProcess);
  if (::WaitForSingleObject(process.get(), kSetupLimitMs) != WAIT_OBJECT_0) return std::nullopt;
  DWORD exitCode = 0;
  ::GetExitCodeProcess(process.get(), &exitCode);
  return exitCode;
}

std::optional<DWORD> Install(const std::wstring& arguments = L"/S") {
  return Run(WindowsPath(PBW_SETUP_BUILD_PATH), arguments);
}

// The uninstaller runs on from a copy of itself and returns at once: wait until its work is done.
bool Uninstall(const fs::path& folder) {
  if (Run(folder / L"uninstall.exe", L"/S") != 0u) return false;
  return PumpMessagesUntil([&] { return !fs::exists(folder) && !KeyExists(kUninstallKey); },
                           std::chrono::milliseconds(kSetupLimitMs));
}

class SetupTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ::RegDeleteTreeW(HKEY_CURRENT_USER, kSettingsKeyPath);
    ::RegDeleteKeyValueW(HKEY_CURRENT_USER, kRunKey, kRunEntryName);
  }
};

TEST_F(SetupTest, InstallsForTheUserThenUpdatesAndUninstallsARunningCopyKeepingItsSettings) {
  const fs::path folder = DefaultInstallFolder();
  ASSERT_EQ(Install(), 0u);

  EXPECT_EQ(FileNames(folder),
            (std::vector<std::wstring>{L"LICENSE.txt", L"LIESMICH.txt", L"PBW.exe", L"hilfe.htm", L"uninstall.exe"}));
  EXPECT_TRUE(fs::exists(StartMenuEntry()));
  const std::wstring exe = (folder / L"PBW.exe").wstring();
  const std::wstring uninstaller = L"\"" + (folder / L"uninstall.exe").wstring() + L"\"";
  EXPECT_EQ(ReadText(kUninstallKey, L"DisplayName"), L"PostboxWatchman");
  EXPECT_EQ(ReadText(kUninstallKey, L"DisplayVersion"), L"" PBW_VERSION_TEXT);
  EXPECT_EQ(ReadText(kUninstallKey, L"Publisher"), L"Trelvik Software");
  EXPECT_EQ(ReadText(kUninstallKey, L"DisplayIcon"), exe + L",0");
  EXPECT_EQ(ReadText(kUninstallKey, L"InstallLocation"), folder.wstring());
  EXPECT_EQ(ReadText(kUninstallKey, L"UninstallString"), uninstaller);
  EXPECT_EQ(ReadText(kUninstallKey, L"QuietUninstallString"), uninstaller + L" /S");
  EXPECT_GE(ReadNumber(kUninstallKey, L"EstimatedSize").value_or(0), fs::file_size(exe) / 1024);
  EXPECT_EQ(ReadNumber(kUninstallKey, L"NoModify"), 1u);
  EXPECT_EQ(ReadNumber(kUninstallKey, L"NoRepair"), 1u);
  EXPECT_EQ(ReadText(kRunKey, kRunEntryName), std::nullopt) << "the Autostart box decides";

  WriteText(kSettingsKeyPath, L"POP3", L"pop.beispiel.test");
  {
    RunningPbw running(exe);
    ASSERT_TRUE(running.Started());
    ASSERT_EQ(Install(), 0u);
    EXPECT_TRUE(running.HasExited());
  }
  EXPECT_EQ(ReadText(kSettingsKeyPath, L"POP3"), L"pop.beispiel.test");
  EXPECT_EQ(ReadText(kSettingsKeyPath, L"PORT"), L"110") << "the program ended by saving its settings";

  RunningPbw running(exe);
  ASSERT_TRUE(running.Started());
  WriteText(kRunKey, kRunEntryName, L"\"" + exe + L"\" /AUTOSTART");
  ASSERT_TRUE(Uninstall(folder));
  EXPECT_TRUE(running.WaitForExit());
  EXPECT_FALSE(fs::exists(StartMenuEntry()));
  EXPECT_EQ(ReadText(kRunKey, kRunEntryName), std::nullopt);
  EXPECT_EQ(ReadText(kSettingsKeyPath, L"POP3"), L"pop.beispiel.test") << "a silent uninstall keeps the settings";
}

TEST_F(SetupTest, InstallsIntoAChosenFolderAndLeavesTheAutostartOfAnotherCopy) {
  const fs::path folder = KnownFolder(FOLDERID_Profile) / L"Meine Programme" / L"PBW";
  const std::wstring otherCopy = L"\"C:\\Werkzeuge\\PBW.exe\" /AUTOSTART";
  ASSERT_EQ(Install(L"/S /D=" + folder.wstring()), 0u);
  EXPECT_TRUE(fs::exists(folder / L"PBW.exe"));
  EXPECT_EQ(ReadText(kUninstallKey, L"InstallLocation"), folder.wstring());

  WriteText(kRunKey, kRunEntryName, otherCopy);
  ASSERT_TRUE(Uninstall(folder));
  EXPECT_EQ(ReadText(kRunKey, kRunEntryName), otherCopy);
}

// Other local users may write to a folder made outside the profile: they could replace the program
// that runs as this user at log-on.
TEST_F(SetupTest, RefusesAFolderOutsideTheUsersProfile) {
  const fs::path profile = KnownFolder(FOLDERID_Profile);
  for (const fs::path& folder : {fs::path(L"C:\\Werkzeuge\\PBW"), profile / L".." / L"Geteilt"}) {
    EXPECT_NE(Install(L"/S /D=" + folder.wstring()), 0u) << folder;
    EXPECT_FALSE(fs::exists(folder)) << folder;
  }
  EXPECT_FALSE(KeyExists(kUninstallKey));
}

TEST(ZipTest, UnpacksToTheProgramItsHelpReadMeAndLicenceAndTheProgramStarts) {
  const fs::path folder = WindowsPath(PBW_UNPACKED_ZIP_PATH);
  EXPECT_EQ(FileNames(folder), (std::vector<std::wstring>{L"LICENSE.txt", L"LIESMICH.txt", L"PBW.exe", L"hilfe.htm"}));
  RunningPbw running((folder / L"PBW.exe").wstring());
  EXPECT_TRUE(running.Started());
}

}  // namespace
}  // namespace pbw::testing
