#pragma once
// Whether a directory search finds a file of the ordinary kind at a path.

#include <string>

namespace pbw {

// True for a plain file, read-only and archived ones included; hidden and system files,
// folders and wildcard patterns are not found.
bool FindsOrdinaryFile(const std::wstring& path);

}  // namespace pbw
