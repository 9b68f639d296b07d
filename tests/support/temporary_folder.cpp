#include "tests/support/temporary_folder.h"

#include <atomic>
#include <chrono>

namespace pbw::testing {

TemporaryFolder::TemporaryFolder(const std::wstring& name) {
  static std::atomic<unsigned> counter = 0;
  const auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
  path_ = std::filesystem::temp_directory_path() /
          (name + L"-" + std::to_wstring(stamp) + L"-" + std::to_wstring(++counter));
  std::filesystem::create_directories(path_);
}

TemporaryFolder::~TemporaryFolder() {
  std::error_code ignored;
  std::filesystem::remove_all(path_, ignored);
}

}  // namespace pbw::testing
