#include "engine/mail_client_command.h"

namespace pbw {
namespace {

bool HasFolder(std::wstring_view path) { return path.find_first_of(L"\\/:") != std::wstring_view::npos; }

std::optional<std::wstring> FindProgram(const std::wstring& program, const ProgramLookup& lookup) {
  if (program.empty()) return std::nullopt;
  return HasFolder(program) ? lookup.existingFile(program) : lookup.searchProgram(program);
}

MailClientLaunch Launch(const std::wstring& application, std::wstring_view arguments) {
  return {application, L'"' + application + L'"' + std::wstring(arguments)};
}

}  // namespace

std::optional<MailClientLaunch> ResolveMailClient(std::wstring_view fieldText, const ProgramLookup& lookup) {
  if (fieldText.starts_with(L'"')) {
    const auto close = fieldText.find(L'"', 1);
    if (close == std::wstring_view::npos) return std::nullopt;
    const auto application = FindProgram(std::wstring(fieldText.substr(1, close - 1)), lookup);
    if (!application) return std::nullopt;
    return Launch(*application, fieldText.substr(close + 1));
  }
  // A path chosen in the file dialog is stored without quotes, blanks and all.
  if (const auto whole = FindProgram(std::wstring(fieldText), lookup)) return Launch(*whole, {});
  for (auto blank = fieldText.find(L' '); blank != std::wstring_view::npos; blank = fieldText.find(L' ', blank + 1)) {
    if (const auto application = FindProgram(std::wstring(fieldText.substr(0, blank)), lookup)) {
      return Launch(*application, fieldText.substr(blank));
    }
  }
  return std::nullopt;
}

}  // namespace pbw
