#include "helplinks/online_help_win.h"

#include <windows.h>

#include <array>

#include "desktop/program_location_win.h"
#include "helplinks/shell_launcher_win.h"
#include "resources/program_identity.h"

namespace pbw {
namespace {

constexpr std::array<const wchar_t*, 2> kHelpStartPages = {L"hilfe.htm", L"index.htm"};

}  // namespace

std::optional<std::wstring> FindOnlineHelp(const std::wstring& programFolder) {
  for (const wchar_t* page : kHelpStartPages) {
    std::wstring candidate = programFolder + page;
    if (FileExists(candidate)) return candidate;
  }
  return std::nullopt;
}

void ShowOnlineHelp(const std::wstring& programFolder) {
  if (const auto page = FindOnlineHelp(programFolder)) {
    ShellOpen(*page, 0);
    return;
  }
  ::MessageBoxW(nullptr, L"Die Online-Hilfe konnte leider nicht gefunden werden ...",
                std::wstring(kProductName).c_str(), MB_OK | MB_ICONINFORMATION | MB_TASKMODAL);
}

void ShowOnlineHelp() { ShowOnlineHelp(GetAppFolder()); }

}  // namespace pbw
