#include "tests/helplinks/shell_stand_in_support_win.h"

#include <windows.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>

namespace pbw::testing {
namespace {

std::wstring FolderOfThisProgram() {
  std::wstring path(32768, L'\0');
  path.resize(::GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size())));
  return path.substr(0, path.find_last_of(L'\\') + 1);
}

// The test programs of the help links and of the About dialog lie in sibling folders.
std::wstring StandInProgram() { return FolderOfThisProgram() + L"..\\helplinks\\shell_stand_in.exe"; }

std::wstring TemporaryFolder() {
  std::wstring path(MAX_PATH + 1, L'\0');
  path.resize(::GetTempPathW(static_cast<DWORD>(path.size()), path.data()));
  return path;
}

std::wstring Quoted(const std::wstring& text) { return L"\"" + text + L"\""; }

// Each stand-in records into its own file and signals its own event: a launch that the shell
// delivers late (Wine may start a mailto handler a second time) cannot reach the next test.
std::wstring UniqueSuffix() {
  static int instances = 0;
  return std::to_wstring(::GetCurrentProcessId()) + L"-" + std::to_wstring(++instances);
}

}  // namespace

ShellStandIn::ShellStandIn() : ShellStandIn(UniqueSuffix()) {}

ShellStandIn::ShellStandIn(const std::wstring& suffix)
    : recordPath_(TemporaryFolder() + L"pbw shell stand-in " + suffix + L".txt"),
      eventName_(L"PbwShellStandIn-" + suffix),
      started_(::CreateEventW(nullptr, FALSE, FALSE, eventName_.c_str())) {
  ::DeleteFileW(recordPath_.c_str());
  const std::wstring command =
      Quoted(StandInProgram()) + L" " + Quoted(recordPath_) + L" " + Quoted(eventName_) + L" \"%1\"";
  // Windows reads the user's classes through HKEY_CLASSES_ROOT; Wine keeps the two apart and reads
  // only HKEY_CLASSES_ROOT. Writing both serves either.
  for (const auto& [root, prefix] :
       {std::pair{HKEY_CURRENT_USER, L"Software\\Classes\\"}, std::pair{HKEY_CLASSES_ROOT, L""}}) {
    const std::wstring classes = prefix;
    for (const wchar_t* protocol : {L"http", L"https", L"mailto"}) {
      handlers_.push_back(std::make_unique<RegistryOverride>(root, classes + protocol, L"URL Protocol", L""));
      handlers_.push_back(
          std::make_unique<RegistryOverride>(root, classes + protocol + L"\\shell\\open\\command", L"", command));
    }
    handlers_.push_back(std::make_unique<RegistryOverride>(root, classes + L".htm", L"", L"PbwTest.HelpPage"));
    handlers_.push_back(
        std::make_unique<RegistryOverride>(root, classes + L"PbwTest.HelpPage\\shell\\open\\command", L"", command));
  }
}

ShellStandIn::~ShellStandIn() {
  // Undone in reverse: an override may stand inside a key that an earlier one created.
  while (!handlers_.empty()) handlers_.pop_back();
  ::DeleteFileW(recordPath_.c_str());
}

std::optional<ShellLaunch> ShellStandIn::NextLaunch() {
  if (::WaitForSingleObject(started_.get(), 30000) != WAIT_OBJECT_0) return std::nullopt;
  std::ifstream file(std::filesystem::path(recordPath_), std::ios::binary);
  const std::string bytes{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
  std::wistringstream record(std::wstring(reinterpret_cast<const wchar_t*>(bytes.data()), bytes.size() / 2));
  std::wstring line;
  for (std::size_t i = 0; i <= launchesRead_; ++i) {
    if (!std::getline(record, line)) return std::nullopt;
  }
  ++launchesRead_;
  const std::size_t tab = line.find(L'\t');
  return ShellLaunch{std::stoi(line.substr(0, tab)), line.substr(tab + 1)};
}

}  // namespace pbw::testing
