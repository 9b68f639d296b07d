#pragma once
// The operating system's version, packed into one number and written as "major.minor.build".

#include <cstdint>
#include <string>

namespace pbw {

// What the platform reports about its version, field by field.
struct WindowsVersionReport {
  std::uint32_t platformId = 0;
  std::uint32_t major = 0;
  std::uint32_t minor = 0;
  std::uint32_t build = 0;
};

inline constexpr std::uint32_t kWindows9xPlatform = 1;

// Bits 24-31 major, 16-23 minor, 0-15 build. The Windows 95/98/Me family already delivers its build
// field in that form.
std::int32_t PackWindowsVersion(const WindowsVersionReport& report);

// "major.minor.build" in plain decimal, such as "5.1.2600".
std::wstring WindowsVersionText(std::int32_t packedVersion);

}  // namespace pbw
