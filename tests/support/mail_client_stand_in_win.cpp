// Stands in for the user's mail client: it proves that it was started, and how, by writing its own
// command line into a marker file: the file named by its first argument, or else its own path
// followed by ".gestartet".

#include <windows.h>
#include <shellapi.h>

#include <memory>
#include <string>

#include "common/unique_handle_win.h"

namespace {

std::wstring OwnPath() {
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    const DWORD length = ::GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (length < path.size()) return path.substr(0, length);
    path.resize(path.size() * 2);
  }
}

std::wstring MarkerPath() {
  int count = 0;
  const std::unique_ptr<LPWSTR, pbw::LocalFreeDeleter> arguments(::CommandLineToArgvW(::GetCommandLineW(), &count));
  if (arguments && count > 1) return arguments.get()[1];
  return OwnPath() + L".gestartet";
}

bool WriteCommandLine(const std::wstring& path) {
  const HANDLE file =
      ::CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  const pbw::UniqueKernelHandle marker(file);
  const std::wstring commandLine = ::GetCommandLineW();
  DWORD written = 0;
  const auto size = static_cast<DWORD>(commandLine.size() * sizeof(wchar_t));
  return ::WriteFile(marker.get(), commandLine.data(), size, &written, nullptr) && written == size;
}

}  // namespace

int main() {
  // Written aside and then renamed, so that the marker appears complete or not at all.
  const std::wstring marker = MarkerPath();
  const std::wstring draft = marker + L".entwurf";
  if (!WriteCommandLine(draft)) return 1;
  return ::MoveFileExW(draft.c_str(), marker.c_str(), MOVEFILE_REPLACE_EXISTING) ? 0 : 1;
}
