#include "tray/notify_icon_record.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace pbw {
namespace {

std::string TipField(const NotifyIconRecord& record) { return {record.begin() + 24, record.end()}; }

TEST(NotifyIconRecord, SixLittleEndianFieldsBeforeTheTip) {
  const NotifyIconRecord record = MakeNotifyIconRecord({0x12345678, 0x01020304, 0xCAFE0001, "x"});
  EXPECT_EQ(std::vector<std::uint8_t>(record.begin(), record.begin() + 24),
            (std::vector<std::uint8_t>{
                88,   0,    0,    0,     // cbSize
                0x78, 0x56, 0x34, 0x12,  // hWnd
                4,    3,    2,    1,     // uID
                7,    0,    0,    0,     // uFlags: message, icon, tip
                0,    4,    0,    0,     // uCallbackMessage 1024
                1,    0,    0xFE, 0xCA,  // hIcon
            }));
}

TEST(NotifyIconRecord, TipIsCutTo63BytesThenNulThenBlanks) {
  for (const std::size_t length : {0u, 15u, 63u, 64u, 100u}) {
    std::string tip;
    for (std::size_t i = 0; i < length; ++i) tip += static_cast<char>('A' + i % 26);
    const std::size_t kept = length < 63 ? length : 63;
    const std::string expected = tip.substr(0, kept) + '\0' + std::string(63 - kept, ' ');

    EXPECT_EQ(TipField(MakeNotifyIconRecord({1, 0, 2, tip})), expected) << "tip of " << length;
  }
}

TEST(NotifyIconRecord, EmptyTipIsNulAnd63Blanks) {
  EXPECT_EQ(TipField(MakeNotifyIconRecord({1, 0, 1, ""})), '\0' + std::string(63, ' '));
}

TEST(NotifyIconRecord, AnsiBytesAboveAsciiAreKept) {
  const std::string tip =
      "Gr\xFC\xDF"
      "e";
  EXPECT_EQ(TipField(MakeNotifyIconRecord({1, 0, 1, tip})).substr(0, 6), tip + '\0');
}

}  // namespace
}  // namespace pbw
