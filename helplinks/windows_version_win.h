#pragma once
// The version of the Windows that the program runs on.

#include <cstdint>
#include <string>

namespace pbw {

std::int32_t PackedWindowsVersion();
// For example "10.0.19045".
std::wstring WindowsVersionText();

}  // namespace pbw
