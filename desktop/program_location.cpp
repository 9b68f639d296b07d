#include "desktop/program_location.h"

namespace pbw {
namespace {

constexpr wchar_t kSeparator = L'\\';

std::wstring_view FileNameOf(std::wstring_view modulePath) {
  const std::size_t separator = modulePath.rfind(kSeparator);
  return separator == std::wstring_view::npos ? modulePath : modulePath.substr(separator + 1);
}

std::wstring_view BaseNameOf(std::wstring_view fileName) { return fileName.substr(0, fileName.rfind(L'.')); }

}  // namespace

std::wstring AddTrailingBackslash(std::wstring_view text) {
  std::wstring result(text);
  if (result.empty() || result.back() != kSeparator) result += kSeparator;
  return result;
}

std::wstring AppFolderOf(std::wstring_view modulePath) {
  const std::wstring_view fileName = FileNameOf(modulePath);
  // The folder without its last separator, as the platform names folders; a drive's root then
  // gets its one "\" back.
  std::wstring_view folder = modulePath.substr(0, modulePath.size() - fileName.size());
  if (!folder.empty()) folder.remove_suffix(1);
  return AddTrailingBackslash(folder);
}

std::wstring ProgramFileOf(std::wstring_view modulePath, std::wstring_view extension) {
  std::wstring path = AppFolderOf(modulePath);
  path += BaseNameOf(FileNameOf(modulePath));
  path += extension;
  return path;
}

}  // namespace pbw
