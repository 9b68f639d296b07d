// Proves the private Dovecot of the tests: a real POP3 dialogue over a plain socket to 127.0.0.1,
// so that a broken fixture shows here and not as a puzzling failure in the tests that use it.

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

#include "common/text_encoding.h"
#include "tests/support/dovecot/dovecot_fixture.h"

namespace pbw::testing {
namespace {

// One POP3 connection that reads reply lines.
class Pop3Connection {
 public:
  explicit Pop3Connection(const DovecotFixture& fixture) : socket_(::socket(AF_INET, SOCK_STREAM, 0)) {
    if (socket_ < 0) throw std::runtime_error("socket() failed");
    // A safety net against a hung server, not a measure: a healthy one answers at once.
    const timeval limit{30, 0};
    ::setsockopt(socket_, SOL_SOCKET, SO_RCVTIMEO, &limit, sizeof limit);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(fixture.port);
    if (::inet_pton(AF_INET, fixture.host.c_str(), &address.sin_addr) != 1 ||
        ::connect(socket_, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0) {
      ::close(socket_);
      throw std::runtime_error("no connection to " + fixture.host + ":" + std::to_string(fixture.port));
    }
  }
  ~Pop3Connection() { ::close(socket_); }
  Pop3Connection(const Pop3Connection&) = delete;
  Pop3Connection& operator=(const Pop3Connection&) = delete;

  // The next reply line without its CR LF; empty when the server closed or fell silent.
  std::string Reply() {
    for (;;) {
      const auto end = received_.find("\r\n");
      if (end != std::string::npos) {
        std::string line = received_.substr(0, end);
        received_.erase(0, end + 2);
        return line;
      }
      char chunk[512];
      const auto count = ::recv(socket_, chunk, sizeof chunk, 0);
      if (count <= 0) return {};
      received_.append(chunk, static_cast<std::size_t>(count));
    }
  }

  std::string Command(const std::string& command) {
    const std::string line = command + "\r\n";
    if (::send(socket_, line.data(), line.size(), MSG_NOSIGNAL) != static_cast<ssize_t>(line.size())) return {};
    return Reply();
  }

 private:
  int socket_;
  std::string received_;
};

bool IsOk(const std::string& reply) { return reply.rfind("+OK", 0) == 0; }
bool IsErr(const std::string& reply) { return reply.rfind("-ERR", 0) == 0; }

// The same characters as Windows-1252 bytes, as a client would send them that ignores UTF-8.
std::string InCp1252(const std::string& utf8) {
  std::string bytes;
  for (const wchar_t character : DecodeServerText(utf8)) {
    for (int byte = 0; byte < 256; ++byte) {
      if (Cp1252ToWide(static_cast<unsigned char>(byte)) == character) bytes += static_cast<char>(byte);
    }
  }
  return bytes;
}

TEST(DovecotFixtureTest, GreetsWithOk) {
  Pop3Connection pop3(LoadDovecotFixture());
  EXPECT_PRED1(IsOk, pop3.Reply());
}

// The account tests below mean something only if this password really goes beyond ASCII.
TEST(DovecotFixtureTest, UmlautPasswordIsBeyondAscii) {
  const std::string password = LoadDovecotFixture().umlaut.password;
  EXPECT_NE(InCp1252(password), password);
}

enum class Password { kOwn, kOwnInCp1252, kWrong };

struct LoginCase {
  const char* name;
  DovecotAccount DovecotFixture::*account;
  Password password;
  bool loggedIn;
  bool messageOne;
};

std::string PasswordOf(const LoginCase& login, const DovecotFixture& fixture) {
  const std::string& own = (fixture.*login.account).password;
  switch (login.password) {
    case Password::kOwn:
      return own;
    case Password::kOwnInCp1252:
      return InCp1252(own);
    case Password::kWrong:
      break;
  }
  return fixture.wrongPassword;
}

// Names the case in test listings instead of its bytes.
void PrintTo(const LoginCase& login, std::ostream* out) { *out << login.name; }

class DovecotLoginTest : public ::testing::TestWithParam<LoginCase> {};

TEST_P(DovecotLoginTest, AnswersUserPassAndList) {
  const LoginCase& login = GetParam();
  const DovecotFixture fixture = LoadDovecotFixture();
  Pop3Connection pop3(fixture);
  ASSERT_PRED1(IsOk, pop3.Reply());
  ASSERT_PRED1(IsOk, pop3.Command("USER " + (fixture.*login.account).user));
  const std::string passReply = pop3.Command("PASS " + PasswordOf(login, fixture));
  ASSERT_PRED1(login.loggedIn ? IsOk : IsErr, passReply);
  if (!login.loggedIn) return;
  EXPECT_PRED1(login.messageOne ? IsOk : IsErr, pop3.Command("LIST 1"));
}

INSTANTIATE_TEST_SUITE_P(
    Accounts, DovecotLoginTest,
    ::testing::Values(LoginCase{"MessageWaiting", &DovecotFixture::full, Password::kOwn, true, true},
                      LoginCase{"EmptyMailbox", &DovecotFixture::empty, Password::kOwn, true, false},
                      LoginCase{"NonAsciiPasswordAsUtf8", &DovecotFixture::umlaut, Password::kOwn, true, false},
                      LoginCase{"NonAsciiPasswordAsCp1252", &DovecotFixture::umlaut, Password::kOwnInCp1252, false,
                                false},
                      LoginCase{"WrongPassword", &DovecotFixture::full, Password::kWrong, false, false}),
    [](const ::testing::TestParamInfo<LoginCase>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace pbw::testing
