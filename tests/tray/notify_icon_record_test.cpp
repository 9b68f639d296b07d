#include "tray/notify_icon_record.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace pbw {
namespace {

constexpr std::size_t kHandleWidths[] = {4, 8};

std::string TipField(const NotifyIconRecord& record, std::size_t handleBytes) {
  return {record.begin() + static_cast<std::ptrdiff_t>(NotifyIconLayoutFor(handleBytes).tip), record.end()};
}

TEST(NotifyIconRecord, FieldsBeforeTheTipAsA32BitAndA64BitProcessLaysThemOut) {
  const NotifyIconFields fields{0x1122334412345678, 0x01020304, 0x55667788CAFE0001, "x"};
  const NotifyIconRecord narrow = MakeNotifyIconRecord(fields, 4);
  ASSERT_EQ(narrow.size(), 88u);
  EXPECT_EQ(std::vector<std::uint8_t>(narrow.begin(), narrow.begin() + 24),
            (std::vector<std::uint8_t>{
                88,   0,    0,    0,     // cbSize
                0x78, 0x56, 0x34, 0x12,  // hWnd, the low half of the value
                4,    3,    2,    1,     // uID
                7,    0,    0,    0,     // uFlags: message, icon, tip
                0,    4,    0,    0,     // uCallbackMessage 1024
                1,    0,    0xFE, 0xCA,  // hIcon
            }));

  const NotifyIconRecord wide = MakeNotifyIconRecord(fields, 8);
  ASSERT_EQ(wide.size(), 104u);
  EXPECT_EQ(std::vector<std::uint8_t>(wide.begin(), wide.begin() + 40),
            (std::vector<std::uint8_t>{
                104,  0,    0,    0,    0,    0,    0,    0,     // cbSize, then padding to the handle
                0x78, 0x56, 0x34, 0x12, 0x44, 0x33, 0x22, 0x11,  // hWnd
                4,    3,    2,    1,                             // uID
                7,    0,    0,    0,                             // uFlags
                0,    4,    0,    0,    0,    0,    0,    0,     // uCallbackMessage, padding
                1,    0,    0xFE, 0xCA, 0x88, 0x77, 0x66, 0x55,  // hIcon
            }));
}

TEST(NotifyIconRecord, TipIsCutTo63BytesThenNulThenBlanks) {
  for (const std::size_t handleBytes : kHandleWidths) {
    for (const std::size_t length : {0u, 15u, 63u, 64u, 100u}) {
      std::string tip;
      for (std::size_t i = 0; i < length; ++i) tip += static_cast<char>('A' + i % 26);
      const std::size_t kept = length < 63 ? length : 63;
      const std::string expected = tip.substr(0, kept) + '\0' + std::string(63 - kept, ' ');

      EXPECT_EQ(TipField(MakeNotifyIconRecord({1, 0, 2, tip}, handleBytes), handleBytes), expected)
          << "tip of " << length << " with handles of " << handleBytes << " bytes";
    }
  }
}

TEST(NotifyIconRecord, AnsiBytesAboveAsciiAreKept) {
  const std::string tip =
      "Gr\xFC\xDF"
      "e";
  EXPECT_EQ(TipField(MakeNotifyIconRecord({1, 0, 1, tip}, 4), 4).substr(0, 6), tip + '\0');
}

}  // namespace
}  // namespace pbw
