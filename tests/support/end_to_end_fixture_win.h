#pragma once
// What every end-to-end test starts from: PBW.exe copied into a folder of its own, and no settings
// of the user's, neither before nor after the test. The including test program defines
// PBW_EXE_BUILD_PATH, the build's path of the program.

#include <gtest/gtest.h>
#include <windows.h>

#include <filesystem>
#include <string>

#include "tests/support/pbw_remote_win.h"
#include "tests/support/temporary_folder.h"

namespace pbw::testing {

class EndToEndFixture : public ::testing::Test {
 protected:
  explicit EndToEndFixture(const std::wstring& folderName) : folder_(folderName), exe_(folder_.Path() / L"PBW.exe") {
    ::RegDeleteTreeW(HKEY_CURRENT_USER, kStoreKey);
    std::filesystem::copy_file(WindowsPath(PBW_EXE_BUILD_PATH), exe_);
  }
  ~EndToEndFixture() override { ::RegDeleteTreeW(HKEY_CURRENT_USER, kStoreKey); }

  std::wstring Exe() const { return exe_.wstring(); }
  const std::filesystem::path& Folder() const { return folder_.Path(); }

 private:
  // The settings store's application key.
  static constexpr wchar_t kStoreKey[] = L"Software\\Trelvik Software";

  TemporaryFolder folder_;
  std::filesystem::path exe_;
};

}  // namespace pbw::testing
