#pragma once
// Which Internet connection the computer uses, as far as scheduled checks are concerned.

#include <string>
#include <string_view>

namespace pbw {

// The connection name from the operating system's answer: empty when it reports no connection or
// names none. Any connection the system reports counts, whatever its name: a German Windows calls
// every Ethernet and WLAN link "LAN-Verbindung". `buffer` is the whole name buffer, NUL and
// trailing blanks included.
std::wstring ConnectionNameFromProbe(bool connected, std::wstring_view buffer);

}  // namespace pbw
