// Decoding the server's bytes for the trace, against a reference decoder written from the
// table of well-formed UTF-8 sequences: valid UTF-8 as UTF-8, any other byte as Windows-1252,
// NUL as its visible symbol.

#include <array>
#include <string>

#include "common/text_encoding.h"
#include "fuzz/fuzz_input.h"

namespace {

constexpr std::array<char32_t, 32> kCp1252High = {0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                                  0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
                                                  0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                                  0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

struct Lead {
  std::size_t length;
  unsigned char low;  // the range of the second byte
  unsigned char high;
};

Lead LeadOf(unsigned char b) {
  if (b <= 0x7F) return {1, 0, 0};
  if (b >= 0xC2 && b <= 0xDF) return {2, 0x80, 0xBF};
  if (b == 0xE0) return {3, 0xA0, 0xBF};
  if (b == 0xED) return {3, 0x80, 0x9F};
  if (b >= 0xE1 && b <= 0xEF) return {3, 0x80, 0xBF};
  if (b == 0xF0) return {4, 0x90, 0xBF};
  if (b >= 0xF1 && b <= 0xF3) return {4, 0x80, 0xBF};
  if (b == 0xF4) return {4, 0x80, 0x8F};
  return {0, 0, 0};
}

std::u32string Reference(const std::string& bytes) {
  std::u32string out;
  std::size_t i = 0;
  while (i < bytes.size()) {
    const auto at = [&](std::size_t k) { return static_cast<unsigned char>(bytes[k]); };
    const Lead lead = LeadOf(at(i));
    bool valid = lead.length > 0 && i + lead.length <= bytes.size();
    for (std::size_t k = 1; valid && k < lead.length; ++k) {
      valid = k == 1 ? at(i + 1) >= lead.low && at(i + 1) <= lead.high : at(i + k) >= 0x80 && at(i + k) <= 0xBF;
    }
    char32_t cp = 0;
    if (valid) {
      static constexpr unsigned char kLeadMask[] = {0, 0x7F, 0x1F, 0x0F, 0x07};
      cp = at(i) & kLeadMask[lead.length];
      for (std::size_t k = 1; k < lead.length; ++k) cp = cp << 6 | (at(i + k) & 0x3F);
      i += lead.length;
    } else {
      const unsigned char b = at(i++);
      cp = b >= 0x80 && b <= 0x9F ? kCp1252High[b - 0x80] : b;
    }
    out += cp == 0 ? char32_t{0x2400} : cp;
  }
  return out;
}

std::u32string CodePoints(const std::wstring& text) {
  std::u32string out;
  for (std::size_t i = 0; i < text.size(); ++i) {
    auto cp = static_cast<char32_t>(text[i]);
    if (sizeof(wchar_t) == 2 && cp >= 0xD800 && cp <= 0xDBFF && i + 1 < text.size()) {
      cp = 0x10000 + ((cp - 0xD800) << 10) + (static_cast<char32_t>(text[++i]) - 0xDC00);
    }
    out += cp;
  }
  return out;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  pbw::fuzzing::Require(CodePoints(pbw::DecodeServerText(bytes)) == Reference(bytes));
  return 0;
}
