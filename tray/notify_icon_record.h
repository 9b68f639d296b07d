#pragma once
// The shell's notify-icon record in its first, 88-byte form (NOTIFYICONDATAA of a 32-bit
// process), laid out byte by byte so that its content does not depend on the compiler.

#include <array>
#include <cstdint>
#include <string_view>

namespace pbw {

inline constexpr std::uint32_t kNotifyIconAdd = 0;     // NIM_ADD
inline constexpr std::uint32_t kNotifyIconDelete = 2;  // NIM_DELETE
// The window message that carries the icon's mouse notifications (WM_USER).
inline constexpr std::uint32_t kTrayCallbackMessage = 1024;

inline constexpr std::size_t kNotifyIconRecordSize = 88;
inline constexpr std::size_t kNotifyIconTipSize = 64;

using NotifyIconRecord = std::array<std::uint8_t, kNotifyIconRecordSize>;

struct NotifyIconFields {
  std::uint32_t window = 0;
  std::uint32_t iconId = 0;
  std::uint32_t icon = 0;
  // Already in the ANSI code page; cut to 63 bytes, followed by a NUL and blanks.
  std::string_view ansiTip;
};

// Always flags 7 (message, icon and tip) and callback message 1024, whatever the call.
NotifyIconRecord MakeNotifyIconRecord(const NotifyIconFields& fields);

}  // namespace pbw
