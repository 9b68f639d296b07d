#include "desktop/program_location_win.h"

#include <windows.h>

#include "desktop/program_location.h"

namespace pbw {

std::wstring ModulePath(HMODULE module) {
  // The platform truncates silently when the buffer is too small: grow until the path fits
  // with room to spare. Paths end at 32767 characters, so this stops.
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    const DWORD capacity = static_cast<DWORD>(path.size());
    const DWORD length = ::GetModuleFileNameW(module, path.data(), capacity);
    if (length == 0) return {};
    if (length < capacity) {
      path.resize(length);
      return path;
    }
    path.resize(path.size() * 2);
  }
}

std::wstring GetAppFolder() { return AppFolderOf(ModulePath(nullptr)); }

std::wstring GetExePath() { return ProgramFileOf(ModulePath(nullptr), L".exe"); }

}  // namespace pbw
