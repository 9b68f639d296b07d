#pragma once
// The program's status texts as the status line shows them: after one blank.

#include <string>
#include <string_view>

#include "engine/status_texts.h"

namespace pbw::testing {

inline std::wstring Shown(std::wstring_view statusText) { return L" " + std::wstring(statusText); }

}  // namespace pbw::testing
