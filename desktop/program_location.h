#pragma once
// Where the program lives: its folder and its executable's path, composed from the path of the
// running module as the platform reports it.

#include <string>
#include <string_view>

namespace pbw {

// The text with one "\" appended unless it already ends in one; only the backslash counts.
std::wstring AddTrailingBackslash(std::wstring_view text);

// The folder that holds the module, ending in "\" ("C:\" for a program in a drive's root).
std::wstring AppFolderOf(std::wstring_view modulePath);

// The module's folder, its file name without extension and the given extension, whatever the
// module's own extension is.
std::wstring ProgramFileOf(std::wstring_view modulePath, std::wstring_view extension);

}  // namespace pbw
