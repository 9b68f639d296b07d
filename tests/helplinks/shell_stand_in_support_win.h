#pragma once
// Lets a test see what the shell opens: while a ShellStandIn lives, web addresses ("http", "https"),
// "mailto:" addresses and ".htm" files open the stand-in program instead of a browser or a mail
// program, and the test reads each start back.

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "common/unique_handle_win.h"
#include "tests/helplinks/registry_override_win.h"

namespace pbw::testing {

struct ShellLaunch {
  int show = 0;  // the show-window code the stand-in was started with
  std::wstring target;
};

class ShellStandIn {
 public:
  ShellStandIn();
  ~ShellStandIn();
  ShellStandIn(const ShellStandIn&) = delete;
  ShellStandIn& operator=(const ShellStandIn&) = delete;

  // The next start of the stand-in. The wait of 30 seconds is only a safety net against a test
  // that would otherwise hang: nothing means no start came.
  std::optional<ShellLaunch> NextLaunch();

 private:
  explicit ShellStandIn(const std::wstring& suffix);

  std::wstring recordPath_;
  std::wstring eventName_;
  UniqueKernelHandle started_;
  std::vector<std::unique_ptr<RegistryOverride>> handlers_;
  std::size_t launchesRead_ = 0;
};

}  // namespace pbw::testing
