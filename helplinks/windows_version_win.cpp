#include "helplinks/windows_version_win.h"

#include <windows.h>

#include "helplinks/windows_version.h"

namespace pbw {

std::int32_t PackedWindowsVersion() {
  static_assert(sizeof(OSVERSIONINFOA) == 148, "the first, short form of the version record");
  OSVERSIONINFOA info{};
  info.dwOSVersionInfoSize = sizeof(info);
  // The manifest names every Windows the program supports, so the version reported is the true one.
#ifdef _MSC_VER
#pragma warning(suppress : 4996)
#endif
  ::GetVersionExA(&info);
  return PackWindowsVersion({info.dwPlatformId, info.dwMajorVersion, info.dwMinorVersion, info.dwBuildNumber});
}

std::wstring WindowsVersionText() { return WindowsVersionText(PackedWindowsVersion()); }

}  // namespace pbw
