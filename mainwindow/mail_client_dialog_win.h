#pragma once
// The file-open dialog that picks the mail-client program.

#include <windows.h>

#include <optional>
#include <string>

namespace pbw {

// Shows the dialog modal to `owner`, opening in the folder of `currentPath` when it names one.
// The chosen file's full path, unquoted; nothing when the user cancels or the dialog fails.
std::optional<std::wstring> ChooseMailClient(HWND owner, const std::wstring& currentPath);

}  // namespace pbw
