#pragma once
// Whether a directory search finds a file of the ordinary kind at a path.

#include <string>

namespace pbw {

// True for a plain file, read-only and archived ones included; hidden and system files,
// folders and wildcard patterns are not found, nor is anything where an error (a drive not ready,
// a path that Windows rejects) stops the search.
bool FindsOrdinaryFile(const std::wstring& path);

}  // namespace pbw
