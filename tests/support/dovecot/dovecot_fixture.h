#pragma once
// The private Dovecot server of the tests (dovecot-fixture.sh): where it listens and its accounts.
// Tests that use it require the CTest fixture "dovecot" (pbw_require_dovecot).

#include <cstdint>
#include <string>

namespace pbw::testing {

// Names and passwords as UTF-8 bytes, exactly as the server expects them.
struct DovecotAccount {
  std::string user;
  std::string password;
};

struct DovecotFixture {
  std::string host;
  std::uint16_t port = 0;
  DovecotAccount full;    // one message waiting
  DovecotAccount empty;   // no message
  DovecotAccount umlaut;  // a password beyond ASCII, no message
  std::string wrongPassword;
};

// Reads what the fixture wrote when it started; throws std::runtime_error when it did not.
DovecotFixture LoadDovecotFixture();

}  // namespace pbw::testing
