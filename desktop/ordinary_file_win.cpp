#include "desktop/ordinary_file_win.h"

#include <windows.h>

#include "common/unique_handle_win.h"

namespace pbw {

bool FindsOrdinaryFile(const std::wstring& path) {
  // A drive without a medium would otherwise ask the user with a system message box.
  const QuietCriticalErrors quiet;
  // A pattern in the file name would let the search report some other file.
  const std::size_t nameStart = path.find_last_of(L"\\/") + 1;
  if (path.find_first_of(L"*?", nameStart) != std::wstring::npos) return false;
  WIN32_FIND_DATAW found{};
  const UniqueFindHandle search(::FindFirstFileW(path.c_str(), &found));
  if (!search) return false;
  constexpr DWORD kNotOrdinary = FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_DIRECTORY;
  return (found.dwFileAttributes & kNotOrdinary) == 0;
}

}  // namespace pbw
