#pragma once
// The shell's notify-icon record in its first form (NOTIFYICONDATAA as the first shells knew it),
// laid out byte by byte so that its content does not depend on the compiler. Its layout follows the
// width of a handle in the calling process: 88 bytes in a 32-bit process, 104 in a 64-bit one.

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

namespace pbw {

inline constexpr std::uint32_t kNotifyIconAdd = 0;     // NIM_ADD
inline constexpr std::uint32_t kNotifyIconDelete = 2;  // NIM_DELETE
// The window message that carries the icon's mouse notifications (WM_USER).
inline constexpr std::uint32_t kTrayCallbackMessage = 1024;

inline constexpr std::size_t kNotifyIconTipSize = 64;

// Where each field begins, and the whole record's size.
struct NotifyIconLayout {
  std::size_t window;
  std::size_t iconId;
  std::size_t flags;
  std::size_t callbackMessage;
  std::size_t icon;
  std::size_t tip;
  std::size_t size;
};

// The handles sit at their own width and alignment; the other fields are 32 bits wide.
constexpr NotifyIconLayout NotifyIconLayoutFor(std::size_t handleBytes) {
  const auto aligned = [handleBytes](std::size_t offset) {
    return (offset + handleBytes - 1) / handleBytes * handleBytes;
  };
  NotifyIconLayout layout{};
  layout.window = aligned(4);
  layout.iconId = layout.window + handleBytes;
  layout.flags = layout.iconId + 4;
  layout.callbackMessage = layout.flags + 4;
  layout.icon = aligned(layout.callbackMessage + 4);
  layout.tip = layout.icon + handleBytes;
  layout.size = aligned(layout.tip + kNotifyIconTipSize);
  return layout;
}

using NotifyIconRecord = std::vector<std::uint8_t>;

struct NotifyIconFields {
  std::uint64_t window = 0;
  std::uint32_t iconId = 0;
  std::uint64_t icon = 0;
  // Already in the ANSI code page; cut to 63 bytes, followed by a NUL and blanks.
  std::string_view ansiTip;
};

// Always flags 7 (message, icon and tip) and callback message 1024, whatever the call; the handles
// are `handleBytes` wide (4 or 8).
NotifyIconRecord MakeNotifyIconRecord(const NotifyIconFields& fields, std::size_t handleBytes);

}  // namespace pbw
