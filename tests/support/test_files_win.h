#pragma once
// Files made for one test in a folder of its own. Their attributes are cleared before the
// folder is removed, since a read-only file would otherwise outlive it.

#include <windows.h>

#include <filesystem>
#include <string>
#include <vector>

#include "tests/support/temporary_folder.h"

namespace pbw::testing {

class TestFiles {
 public:
  explicit TestFiles(const std::wstring& folderName) : folder_(folderName) {}
  ~TestFiles();
  TestFiles(const TestFiles&) = delete;
  TestFiles& operator=(const TestFiles&) = delete;

  const std::filesystem::path& Folder() const { return folder_.Path(); }
  std::wstring PathOf(const std::wstring& name) const { return (folder_.Path() / name).wstring(); }

  // A new file in the folder; returns its full path.
  std::wstring Create(const std::wstring& name, DWORD attributes = FILE_ATTRIBUTE_NORMAL);

 private:
  TemporaryFolder folder_;
  std::vector<std::wstring> created_;
};

}  // namespace pbw::testing
