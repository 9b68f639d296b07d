#pragma once
// Conversions between wide texts and the 8-bit code pages of the Win32 API.

#include <windows.h>

#include <optional>
#include <string>
#include <string_view>

namespace pbw {

std::wstring WideFromCodePage(std::string_view bytes, unsigned codePage);
std::string CodePageFromWide(std::wstring_view text, unsigned codePage);

// The text in the system's ANSI code page, one byte per character; nothing when a character has
// no single-byte form there (it would otherwise be replaced by a look-alike or '?').
std::optional<std::string> ToAnsiExactly(std::wstring_view text);

// The text of a window (an edit control, a button, ...), any length.
std::wstring WindowText(HWND window);

}  // namespace pbw
