#include "mainwindow/this_users_program_win.h"

#include <optional>
#include <string>
#include <vector>

#include "common/unique_handle_win.h"
#include "desktop/program_location_win.h"

namespace pbw {
namespace {

std::wstring_view FileName(std::wstring_view path) {
  const std::size_t separator = path.find_last_of(L"\\/");
  return separator == std::wstring_view::npos ? path : path.substr(separator + 1);
}

std::optional<std::wstring> ImagePath(HANDLE process) {
  // Long paths need more than MAX_PATH; the size comes back only on success.
  for (DWORD capacity = MAX_PATH; capacity <= 32768; capacity *= 2) {
    std::wstring path(capacity, L'\0');
    DWORD size = capacity;
    if (::QueryFullProcessImageNameW(process, 0, path.data(), &size)) {
      path.resize(size);
      return path;
    }
    if (::GetLastError() != ERROR_INSUFFICIENT_BUFFER) return std::nullopt;
  }
  return std::nullopt;
}

// The user a process runs as, as the bytes of its token's user entry (the SID follows the entry).
std::optional<std::vector<BYTE>> UserOf(HANDLE process) {
  UniqueKernelHandle token;
  if (!::OpenProcessToken(process, TOKEN_QUERY, token.put())) return std::nullopt;
  DWORD size = 0;
  ::GetTokenInformation(token.get(), TokenUser, nullptr, 0, &size);
  if (size < sizeof(TOKEN_USER)) return std::nullopt;
  std::vector<BYTE> user(size);
  if (!::GetTokenInformation(token.get(), TokenUser, user.data(), size, &size)) return std::nullopt;
  return user;
}

bool SameUser(HANDLE process) {
  const auto theirs = UserOf(process);
  const auto ours = UserOf(::GetCurrentProcess());
  return theirs && ours &&
         ::EqualSid(reinterpret_cast<const TOKEN_USER*>(theirs->data())->User.Sid,
                    reinterpret_cast<const TOKEN_USER*>(ours->data())->User.Sid);
}

}  // namespace

bool RunsThisUsersProgram(DWORD processId) {
  const UniqueKernelHandle process(::OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, processId));
  if (!process) return false;
  const auto image = ImagePath(process.get());
  if (!image) return false;
  const std::wstring own = ModulePath(nullptr);
  const std::wstring_view theirName = FileName(*image);
  const std::wstring_view ownName = FileName(own);
  const bool sameName = ::CompareStringOrdinal(theirName.data(), static_cast<int>(theirName.size()), ownName.data(),
                                               static_cast<int>(ownName.size()), TRUE) == CSTR_EQUAL;
  return sameName && SameUser(process.get());
}

}  // namespace pbw
