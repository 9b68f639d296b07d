#pragma once
// The HTML help lies beside the program: "hilfe.htm", else "index.htm", opened in the browser.

#include <optional>
#include <string>

#include "desktop/ordinary_file_win.h"

namespace pbw {

inline bool FileExists(const std::wstring& path) { return FindsOrdinaryFile(path); }

// The first help start page present in `programFolder`, which ends in "\"; searched anew on every call.
std::optional<std::wstring> FindOnlineHelp(const std::wstring& programFolder);

// Opens the help start page in a normal browser window, or tells the user that there is none.
void ShowOnlineHelp(const std::wstring& programFolder);
// The same for the folder of the running program.
void ShowOnlineHelp();

}  // namespace pbw
