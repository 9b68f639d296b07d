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

// POP3 over implicit TLS. The certificates all name "localhost".
struct DovecotTls {
  std::uint16_t port = 0;            // 995 when run as root; a certificate from the test CA
  std::uint16_t selfSignedPort = 0;  // a self-signed certificate
  std::uint16_t unknownCaPort = 0;   // from a CA that is nowhere trusted, sent without it
  std::uint16_t expiredPort = 0;     // from the test CA, expired
  std::string testCaFile;            // the test CA's certificate (PEM), as this program can open it
  // Scripted servers (scripted_tls_server.py), not Dovecot:
  std::uint16_t greetingClosePort = 0;  // self-signed; Finished, greeting and close_notify in one segment
  std::uint16_t floodPort = 0;          // from the test CA; "+OK\r\n" and 1 MiB of "x" after the handshake
  std::uint16_t addressPort = 0;        // from the test CA for 127.0.0.1 and ::1 only; "+OK bereit\r\n"
};

// Servers that refuse a login in clear and offer STLS, on an address of their own that the client's
// address (127.0.0.1) does not count as local. Their certificates name only that address.
struct DovecotStls {
  std::string host;
  std::uint16_t port = 0;            // 110 when run as root; a certificate from the test CA
  std::uint16_t selfSignedPort = 0;  // a self-signed certificate
};

struct DovecotFixture {
  std::string host;
  std::uint16_t port = 0;  // plain POP3 without STLS
  DovecotTls tls;
  DovecotStls stls;
  DovecotAccount full;    // one message waiting
  DovecotAccount empty;   // no message
  DovecotAccount umlaut;  // a password beyond ASCII, no message
  std::string wrongPassword;
};

// Reads what the fixture wrote when it started; throws std::runtime_error when it did not.
DovecotFixture LoadDovecotFixture();

}  // namespace pbw::testing
