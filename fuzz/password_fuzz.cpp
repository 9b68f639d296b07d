// The stored password: any stored text reads back; every password survives storing; reading,
// storing and reading again is stable.

#include <random>

#include "fuzz/fuzz_input.h"
#include "settings/password_scrambler.h"
#include "tests/support/plain_settings_stand_ins.h"

namespace {

class SeededRandom : public pbw::RandomSource {
 public:
  explicit SeededRandom(std::uint32_t seed) : engine_(seed) {}
  std::uint32_t Below(std::uint32_t count) override {
    return std::uniform_int_distribution<std::uint32_t>(0, count - 1)(engine_);
  }

 private:
  std::mt19937 engine_;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using pbw::fuzzing::Require;
  pbw::fuzzing::FuzzInput input(data, size);
  const bool extended = (input.Byte() & 1) != 0;
  SeededRandom random(input.Byte());
  const pbw::testing::Cp1252CodePage codePage;
  pbw::PasswordScrambler scrambler(random, codePage);
  const std::wstring text = input.Text(size);

  // The text as a password.
  Require(scrambler.ConvertPassword(scrambler.ConvertPassword(text, true), false) == text);

  // The text as a stored form.
  const std::wstring read = scrambler.ConvertPassword(extended ? L"UTF8:" + text : text, false);
  Require(scrambler.ConvertPassword(scrambler.ConvertPassword(read, true), false) == read);
  return 0;
}
