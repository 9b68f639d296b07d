#include "mainwindow/command_line.h"

namespace pbw {
namespace {

wchar_t AsciiUpper(wchar_t c) { return c >= L'a' && c <= L'z' ? static_cast<wchar_t>(c - L'a' + L'A') : c; }

bool SameIgnoringCase(std::wstring_view a, std::wstring_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (AsciiUpper(a[i]) != AsciiUpper(b[i])) return false;
  }
  return true;
}

bool IsBlank(wchar_t c) { return c == L' ' || c == L'\t'; }

}  // namespace

bool HasOption(std::wstring_view commandLine, std::wstring_view option) {
  std::size_t i = 0;
  while (i < commandLine.size()) {
    while (i < commandLine.size() && IsBlank(commandLine[i])) ++i;
    const std::size_t start = i;
    bool quoted = false;
    while (i < commandLine.size() && (quoted || !IsBlank(commandLine[i]))) {
      if (commandLine[i] == L'"') quoted = !quoted;
      ++i;
    }
    if (i > start && SameIgnoringCase(commandLine.substr(start, i - start), option)) return true;
  }
  return false;
}

}  // namespace pbw
