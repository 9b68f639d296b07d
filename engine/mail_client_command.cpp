#include "engine/mail_client_command.h"

#include <algorithm>

namespace pbw {
namespace {

constexpr wchar_t kSeparators[] = L"\\/:";

bool HasFolder(std::wstring_view path) { return path.find_first_of(kSeparators) != std::wstring_view::npos; }

bool HasExtension(std::wstring_view path) {
  // npos + 1 is 0: a path without separators is all last part.
  return path.substr(path.find_last_of(kSeparators) + 1).find(L'.') != std::wstring_view::npos;
}

// A drive with its root folder, or a network share: a folder that does not depend on the current one.
bool IsAbsoluteFolder(std::wstring_view folder) {
  const auto isSeparator = [](wchar_t c) { return c == L'\\' || c == L'/'; };
  const bool drive = folder.size() >= 3 && ((folder[0] | 0x20) >= L'a' && (folder[0] | 0x20) <= L'z') &&
                     folder[1] == L':' && isSeparator(folder[2]);
  return drive || (folder.size() >= 2 && isSeparator(folder[0]) && isSeparator(folder[1]));
}

struct Found {
  std::optional<std::wstring> program;
  // The path is a folder: the text goes on inside it.
  bool folder = false;
};

Found FindFile(const std::wstring& path, const ProgramLookup& lookup) {
  if (!HasExtension(path)) {
    if (auto program = lookup.existingFile(path + L".exe")) return {std::move(program)};
  }
  if (auto program = lookup.existingFile(path)) return {std::move(program)};
  return {std::nullopt, lookup.isFolder(path)};
}

Found FindProgram(const std::wstring& program, const ProgramLookup& lookup) {
  if (program.empty()) return {};
  if (HasFolder(program)) return FindFile(program, lookup);
  const std::wstring folders = lookup.searchFolders();
  for (std::size_t start = 0; start <= folders.size();) {
    const auto end = std::min(folders.find(L';', start), folders.size());
    std::wstring folder = folders.substr(start, end - start);
    start = end + 1;
    if (!IsAbsoluteFolder(folder)) continue;
    if (folder.back() != L'\\' && folder.back() != L'/') folder += L'\\';
    if (auto found = FindFile(folder + program, lookup).program) return {std::move(found)};
  }
  return {};
}

MailClientLaunch Launch(const std::wstring& application, std::wstring_view arguments) {
  return {application, L'"' + application + L'"' + std::wstring(arguments)};
}

// The end of the next shorter part that ends before a run of blanks; npos when there is none.
std::size_t ShorterPart(std::wstring_view text, std::size_t end) {
  const auto blank = end == 0 ? std::wstring_view::npos : text.rfind(L' ', end - 1);
  if (blank == std::wstring_view::npos) return blank;
  const auto word = text.find_last_not_of(L' ', blank);
  return word == std::wstring_view::npos ? word : word + 1;
}

}  // namespace

std::optional<MailClientLaunch> ResolveMailClient(std::wstring_view fieldText, const ProgramLookup& lookup) {
  if (fieldText.starts_with(L'"')) {
    const auto close = fieldText.find(L'"', 1);
    if (close == std::wstring_view::npos) return std::nullopt;
    const auto application = FindProgram(std::wstring(fieldText.substr(1, close - 1)), lookup).program;
    if (!application) return std::nullopt;
    return Launch(*application, fieldText.substr(close + 1));
  }
  // A path chosen in the file dialog is stored without quotes, blanks and all.
  for (auto end = fieldText.size(); end != std::wstring_view::npos; end = ShorterPart(fieldText, end)) {
    // Where the text goes on into an existing folder, the blank is part of that folder's name.
    const auto nextFolder = fieldText.find_first_of(L"\\/", end);
    if (nextFolder != std::wstring_view::npos && lookup.isFolder(std::wstring(fieldText.substr(0, nextFolder)))) {
      return std::nullopt;
    }
    const Found found = FindProgram(std::wstring(fieldText.substr(0, end)), lookup);
    if (found.program) return Launch(*found.program, fieldText.substr(end));
    if (found.folder) return std::nullopt;
  }
  return std::nullopt;
}

}  // namespace pbw
