#include "helplinks/shell_launcher_win.h"

#include <windows.h>
#include <shellapi.h>

#include "resources/program_identity.h"

namespace pbw {

void ShellOpen(const std::wstring& target, short show) {
  const int showCommand = show == 0 ? SW_SHOWNORMAL : show;
  // The result is not examined: a missing browser or mail program is the shell's to report.
  ::ShellExecuteW(::GetDesktopWindow(), L"Open", target.c_str(), nullptr, nullptr, showCommand);
}

void OpenMakerWebSite() { ShellOpen(std::wstring(kMakerHost), SW_SHOWMAXIMIZED); }

void OpenMagazineWebSite() { ShellOpen(std::wstring(kMagazineWebSite), 0); }

}  // namespace pbw
