#include "tests/support/test_files_win.h"

#include <gtest/gtest.h>

namespace pbw::testing {

TestFiles::~TestFiles() {
  for (const std::wstring& path : created_) ::SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
}

std::wstring TestFiles::Create(const std::wstring& name, DWORD attributes) {
  std::wstring path = PathOf(name);
  const HANDLE file = ::CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, attributes, nullptr);
  if (file == INVALID_HANDLE_VALUE) {
    ADD_FAILURE() << "cannot create a test file, error " << ::GetLastError();
  } else {
    ::CloseHandle(file);
    created_.push_back(path);
  }
  return path;
}

}  // namespace pbw::testing
