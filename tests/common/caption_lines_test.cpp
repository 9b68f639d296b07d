#include "common/caption_lines.h"

#include <gtest/gtest.h>

namespace pbw {
namespace {

// A line fits when it has at most ten characters.
bool TenCharacters(std::wstring_view line) { return line.size() <= 10; }

TEST(BreakCaption, BreaksAtTheLastBlankThatFitsAndLetsALongWordStandAlone) {
  const struct {
    std::wstring_view caption;
    std::wstring_view lines;
  } cases[] = {
      {L"Fenster zu", L"Fenster zu"},
      {L"Wer ist Trelvik?", L"Wer ist\r\nTrelvik?"},
      {L"Mail an Trelvik schreiben", L"Mail an\r\nTrelvik\r\nschreiben"},
      {L"Was Unbeschreibliches hier", L"Was\r\nUnbeschreibliches\r\nhier"},
      {L"", L""},
  };
  for (const auto& c : cases) EXPECT_EQ(BreakCaption(c.caption, TenCharacters), c.lines);
}

}  // namespace
}  // namespace pbw
