#pragma once
// The program's command line, as Windows hands it over without the program's own path.

#include <string_view>

namespace pbw {

// Whether `commandLine` holds `option` (for example "/AUTOSTART") as one of its words, in any
// letter case. Words are separated by blanks; a quoted part is one word.
bool HasOption(std::wstring_view commandLine, std::wstring_view option);

}  // namespace pbw
