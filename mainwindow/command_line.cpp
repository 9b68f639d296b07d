#include "mainwindow/command_line.h"

#include "common/text_helpers.h"

namespace pbw {
namespace {

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
    if (i > start && EqualIgnoringAsciiCase(commandLine.substr(start, i - start), option)) return true;
  }
  return false;
}

}  // namespace pbw
