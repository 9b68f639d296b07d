#pragma once
// The start-up banner choice on the main window's two picture controls.

#include <windows.h>

#include <string>

namespace pbw {

// By the age of the running executable: "GetAppFolder, base name, .EXE".
void SelectStartupBanner(HWND image1, HWND image2);

// By the age of the given file's last modification. A file whose time stamp cannot be read
// leaves the maker's banner (image1) in place.
void SelectStartupBannerByAgeOf(const std::wstring& stampedFile, HWND image1, HWND image2);

}  // namespace pbw
