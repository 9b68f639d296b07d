#include "tests/support/stand_in_mail_client_win.h"

#include <windows.h>

#include <cstring>
#include <fstream>
#include <iterator>

namespace pbw::testing {
namespace {

std::filesystem::path TestProgramFolder() {
  std::wstring path(32768, L'\0');
  path.resize(::GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size())));
  return std::filesystem::path(path).parent_path();
}

}  // namespace

InstalledMailClient InstallStandInMailClient(const std::filesystem::path& folder) {
  const std::filesystem::path standIn = TestProgramFolder() / L"mail_client_stand_in.exe";
  InstalledMailClient installed{folder / L"Mail Programm" / L"mail.exe", folder / L"Mail.exe"};
  std::filesystem::create_directories(installed.program.parent_path());
  std::filesystem::copy_file(standIn, installed.program);
  std::filesystem::copy_file(standIn, installed.decoy);
  return installed;
}

std::wstring MarkerText(const std::filesystem::path& marker) {
  std::ifstream file(marker, std::ios::binary);
  const std::string bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
  std::wstring text(bytes.size() / sizeof(wchar_t), L'\0');
  std::memcpy(text.data(), bytes.data(), text.size() * sizeof(wchar_t));
  return text;
}

}  // namespace pbw::testing
