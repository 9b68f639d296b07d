#pragma once
// Which Internet connection the computer uses, as far as scheduled checks are concerned.

#include <string>
#include <string_view>

namespace pbw {

// The usable connection name from the operating system's answer: empty when it reports no
// connection, or when the name buffer begins with "LAN-" in any letter case (such connections do
// not count). `buffer` is the whole name buffer, NUL and trailing blanks included.
std::wstring ConnectionNameFromProbe(bool connected, std::wstring_view buffer);

}  // namespace pbw
