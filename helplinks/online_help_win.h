#pragma once
// The HTML help lies beside the program: "hilfe.htm", else "index.htm", opened in the browser.

#include <optional>
#include <string>

namespace pbw {

// Whether a directory search for `path` finds an ordinary file. Hidden files, system files and
// folders do not count; any error (a drive not ready, a path that Windows rejects) means no file.
bool FileExists(const std::wstring& path);

// The first help start page present in `programFolder`, which ends in "\"; searched anew on every call.
std::optional<std::wstring> FindOnlineHelp(const std::wstring& programFolder);

// Opens the help start page in a normal browser window, or tells the user that there is none.
void ShowOnlineHelp(const std::wstring& programFolder);
// The same for the folder of the running program.
void ShowOnlineHelp();

}  // namespace pbw
