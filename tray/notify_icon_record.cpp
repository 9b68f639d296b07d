#include "tray/notify_icon_record.h"

#include <algorithm>

namespace pbw {
namespace {

constexpr std::uint32_t kMessageIconAndTip = 7;  // NIF_MESSAGE | NIF_ICON | NIF_TIP

// The shell reads the fields as little-endian 32-bit values.
std::uint8_t* PutUint32(std::uint8_t* out, std::uint32_t value) {
  for (int shift = 0; shift < 32; shift += 8) *out++ = static_cast<std::uint8_t>(value >> shift);
  return out;
}

}  // namespace

NotifyIconRecord MakeNotifyIconRecord(const NotifyIconFields& fields) {
  NotifyIconRecord record{};
  std::uint8_t* out = record.data();
  out = PutUint32(out, kNotifyIconRecordSize);
  out = PutUint32(out, fields.window);
  out = PutUint32(out, fields.iconId);
  out = PutUint32(out, kMessageIconAndTip);
  out = PutUint32(out, kTrayCallbackMessage);
  out = PutUint32(out, fields.icon);

  const std::string_view tip = fields.ansiTip.substr(0, kNotifyIconTipSize - 1);
  out = std::transform(tip.begin(), tip.end(), out, [](char c) { return static_cast<std::uint8_t>(c); });
  *out++ = 0;
  std::fill(out, record.data() + record.size(), std::uint8_t{' '});
  return record;
}

}  // namespace pbw
