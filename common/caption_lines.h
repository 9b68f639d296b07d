#pragma once
// A caption broken into lines by the program itself, so that a control draws the lines as they
// stand and never has to wrap the text on its own.

#include <functional>
#include <string>
#include <string_view>

namespace pbw {

// Breaks at blanks, each line as long as `fits` allows; a word too long for any line stands alone
// on its own. The lines are joined by "\r\n".
std::wstring BreakCaption(std::wstring_view caption, const std::function<bool(std::wstring_view line)>& fits);

}  // namespace pbw
