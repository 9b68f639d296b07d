#include "tray/notify_icon_record.h"

#include <algorithm>

namespace pbw {
namespace {

constexpr std::uint32_t kMessageIconAndTip = 7;  // NIF_MESSAGE | NIF_ICON | NIF_TIP

// The shell reads the fields as little-endian values.
void PutLittleEndian(std::uint8_t* out, std::uint64_t value, std::size_t bytes) {
  for (std::size_t i = 0; i < bytes; ++i) out[i] = static_cast<std::uint8_t>(value >> (8 * i));
}

}  // namespace

NotifyIconRecord MakeNotifyIconRecord(const NotifyIconFields& fields, std::size_t handleBytes) {
  const NotifyIconLayout layout = NotifyIconLayoutFor(handleBytes);
  NotifyIconRecord record(layout.size, std::uint8_t{0});
  std::uint8_t* const out = record.data();
  PutLittleEndian(out, layout.size, 4);
  PutLittleEndian(out + layout.window, fields.window, handleBytes);
  PutLittleEndian(out + layout.iconId, fields.iconId, 4);
  PutLittleEndian(out + layout.flags, kMessageIconAndTip, 4);
  PutLittleEndian(out + layout.callbackMessage, kTrayCallbackMessage, 4);
  PutLittleEndian(out + layout.icon, fields.icon, handleBytes);

  const std::string_view tip = fields.ansiTip.substr(0, kNotifyIconTipSize - 1);
  std::uint8_t* const tipEnd =
      std::transform(tip.begin(), tip.end(), out + layout.tip, [](char c) { return static_cast<std::uint8_t>(c); });
  std::fill(tipEnd + 1, out + layout.tip + kNotifyIconTipSize, std::uint8_t{' '});
  return record;
}

}  // namespace pbw
