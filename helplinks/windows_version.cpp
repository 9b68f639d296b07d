#include "helplinks/windows_version.h"

#include "common/text_helpers.h"

namespace pbw {

std::int32_t PackWindowsVersion(const WindowsVersionReport& report) {
  if (report.platformId == kWindows9xPlatform) return static_cast<std::int32_t>(report.build);
  const std::uint32_t packed = (report.major % 256) << 24 | (report.minor % 256) << 16 | (report.build % 65536);
  return static_cast<std::int32_t>(packed);
}

std::wstring WindowsVersionText(std::int32_t packedVersion) {
  const auto bits = static_cast<std::uint32_t>(packedVersion);
  return DecimalText(bits >> 24) + L"." + DecimalText((bits >> 16) & 0xFF) + L"." + DecimalText(bits & 0xFFFF);
}

}  // namespace pbw
