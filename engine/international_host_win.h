#pragma once
// Host names with letters beyond ASCII ("pöst.example") travel in their ASCII form ("xn--pst-sna.example"):
// for the name look-up, as the server name of a TLS channel and in the certificate's names.

#include <string>

namespace pbw {

// The ASCII form of the host name; a name that has none (or is ASCII already) as it is.
std::wstring AsciiHostName(const std::wstring& host);

}  // namespace pbw
