#pragma once
// What every end-to-end test starts from: PBW.exe copied into a folder of its own, and no settings
// of the user's, neither before nor after the test, but those the test stores. The including test
// program defines PBW_EXE_BUILD_PATH, the build's path of the program.

#include <gtest/gtest.h>
#include <windows.h>

#include <filesystem>
#include <map>
#include <string>

#include "resources/program_identity.h"
#include "settings/ansi_code_page_win.h"
#include "settings/password_scrambler.h"
#include "settings/random_source.h"
#include "settings/registry_settings_store_win.h"
#include "tests/support/pbw_remote_win.h"
#include "tests/support/temporary_folder.h"

namespace pbw::testing {

class EndToEndFixture : public ::testing::Test {
 protected:
  explicit EndToEndFixture(const std::wstring& folderName) : folder_(folderName), exe_(folder_.Path() / L"PBW.exe") {
    ::RegDeleteTreeW(HKEY_CURRENT_USER, kSettingsKeyPath);
    std::filesystem::copy_file(WindowsPath(PBW_EXE_BUILD_PATH), exe_);
  }
  ~EndToEndFixture() override { ::RegDeleteTreeW(HKEY_CURRENT_USER, kSettingsKeyPath); }

  std::wstring Exe() const { return exe_.wstring(); }
  const std::filesystem::path& Folder() const { return folder_.Path(); }

  void Store(const std::map<std::wstring, std::wstring>& values) {
    for (const auto& [key, value] : values) store_.WriteValue(key, value);
  }
  std::wstring Stored(const std::wstring& key) const { return store_.ReadValue(key).value_or(L"<missing>"); }
  std::wstring Scrambled(const std::wstring& password) { return scrambler_.ConvertPassword(password, true); }
  std::wstring Unscrambled(const std::wstring& stored) { return scrambler_.ConvertPassword(stored, false); }

 private:
  TemporaryFolder folder_;
  std::filesystem::path exe_;
  RegistrySettingsStore store_;
  SystemSeededRandom random_;
  AnsiCodePage codePage_;
  PasswordScrambler scrambler_{random_, codePage_};
};

}  // namespace pbw::testing
