#pragma once
// Conversions between the program's wide texts and the bytes that travel over the network.

#include <string>
#include <string_view>

namespace pbw {

// UTF-8 of a wide text (UTF-16 on Windows, UTF-32 elsewhere). Unpaired surrogates become U+FFFD.
std::string ToUtf8(std::wstring_view text);

// Bytes from a server, as text: UTF-8 where a sequence is valid, Windows-1252 byte by byte where not.
// A NUL byte becomes U+2400 (the visible symbol for NUL) so that it cannot end the text early.
std::wstring DecodeServerText(std::string_view bytes);

// Bytes that were made by ToUtf8, back to the text, every character (NUL too) as itself. An invalid
// byte becomes U+FFFD.
std::wstring DecodeUtf8(std::string_view bytes);

// The character that a Windows-1252 byte stands for (undefined bytes keep their own code).
wchar_t Cp1252ToWide(unsigned char byte);

}  // namespace pbw
