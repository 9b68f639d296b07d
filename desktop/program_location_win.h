#pragma once
// The running program's own location, asked afresh on every call.

#include <windows.h>

#include <string>

namespace pbw {

// The full path of a loaded module (null: the running executable) as the platform reports it,
// any length.
std::wstring ModulePath(HMODULE module);

// The folder of the running executable, ending in "\".
std::wstring GetAppFolder();

// The program folder, the executable's base name and ".exe", whatever its real extension.
std::wstring GetExePath();

}  // namespace pbw
