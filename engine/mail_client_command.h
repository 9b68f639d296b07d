#pragma once
// Which program the mail-client field names, and with which arguments it is started.

#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace pbw {

struct MailClientLaunch {
  // The program's full path: the only program that may start.
  std::wstring application;
  // The program's path in quotes, then the rest of the field unchanged.
  std::wstring commandLine;
};

struct ProgramLookup {
  // The full path of an existing file (not a folder) with exactly this path; nothing otherwise.
  std::function<std::optional<std::wstring>(const std::wstring& path)> existingFile;
  // A name without any folder, looked for in the system's folders and on PATH (never in the current
  // folder), ".exe" added when it has no extension; its full path or nothing.
  std::function<std::optional<std::wstring>(const std::wstring& name)> searchProgram;
};

// The program part of the field is a quoted first token as written; otherwise the whole text when it
// names an existing file, or else the shortest part ending at a blank that does. A blank never lets a
// shorter program start ("C:\Program.exe" for "C:\Program Files\X Y\client.exe -check"). Nothing
// when the field names no existing program.
std::optional<MailClientLaunch> ResolveMailClient(std::wstring_view fieldText, const ProgramLookup& lookup);

}  // namespace pbw
