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
  std::function<bool(const std::wstring& path)> isFolder;
  // Where a name without any folder is looked for, separated by ";": the system's folders, then
  // PATH's entries. Only absolute folders are searched, so never the current one.
  std::function<std::wstring()> searchFolders;
};

// The program part of the field is a quoted first token as written; otherwise the longest part that
// names an existing file: the whole text, then each shorter part ending before a blank. So a file
// above the program's folder ("C:\Tools\Mail" for "C:\Tools\Mail Client\client.exe -check") never
// starts in its place. Where a part is a folder, or the text goes on from it into one ("C:\Tools\Mail
// Client" while the client is missing), the blank lies inside a path and no shorter part counts. A
// name whose last part has no extension is tried with ".exe" first. Nothing when the field names no
// existing program.
std::optional<MailClientLaunch> ResolveMailClient(std::wstring_view fieldText, const ProgramLookup& lookup);

}  // namespace pbw
