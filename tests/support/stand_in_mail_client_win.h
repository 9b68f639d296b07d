#pragma once
// The test tree's stand-in for the user's mail client (it lies beside the test program), installed
// where a path with blanks leads to it, and the marker it leaves when started.

#include <filesystem>
#include <string>

namespace pbw::testing {

struct InstalledMailClient {
  // <folder>\Mail Programm\mail.exe
  std::filesystem::path program;
  // <folder>\Mail.exe: what the unquoted path of `program` would start instead.
  std::filesystem::path decoy;

  // The markers that the two leave when started without arguments.
  std::filesystem::path ProgramMarker() const { return program.wstring() + L".gestartet"; }
  std::filesystem::path DecoyMarker() const { return decoy.wstring() + L".gestartet"; }
};

InstalledMailClient InstallStandInMailClient(const std::filesystem::path& folder);

// The command line with which the stand-in was started, from its marker; empty when there is none.
std::wstring MarkerText(const std::filesystem::path& marker);

}  // namespace pbw::testing
