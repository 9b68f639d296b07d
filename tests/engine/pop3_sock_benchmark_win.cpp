// Prints how long the socket takes from Connect to the delivered greeting, and to the answer of
// "LIST 1" after USER and PASS (a whole check), plain and over TLS, against the tests' private Dovecot. A measuring
// tool for developers, not a test:
//   pop3_sock_benchmark [rounds]      (the Dovecot fixture must be running)

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "engine/pop3_sock_win.h"
#include "tests/support/dovecot/dovecot_fixture.h"
#include "tests/support/message_pump_win.h"
#include "tests/support/trusted_root_win.h"

namespace {

using Clock = std::chrono::steady_clock;

// The trace line of the last established channel.
std::wstring lastTlsLine;

// Milliseconds from Connect to the reply of the last of `commands` (none: to the greeting), or a
// negative value when a reply did not come.
double TimeToReply(const std::wstring& host, std::uint16_t port, pbw::ConnectionSecurity security,
                   const std::vector<std::string>& commands) {
  std::string received;
  bool failed = false;
  pbw::Pop3Sock sock([&](std::int32_t) { received += sock.GetData(); },
                     [&](const pbw::TlsReport& report) {
                       failed = report.outcome != pbw::TlsOutcome::kEstablished;
                       if (!failed) lastTlsLine = pbw::TlsTraceLine(report.facts);
                     });
  const auto start = Clock::now();
  sock.Connect(host, port, security);
  const auto awaitLine = [&] {
    return pbw::testing::PumpMessagesUntil([&] { return failed || received.find('\n') != std::string::npos; }) &&
           !failed && std::exchange(received, {}).rfind("+OK", 0) == 0;
  };
  if (!awaitLine()) return -1;
  for (const std::string& command : commands) {
    sock.SendData(command);
    if (!awaitLine()) return -1;
  }
  return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

void Report(const char* name, std::vector<double> times) {
  std::sort(times.begin(), times.end());
  if (times.empty() || times.front() < 0) return (void)std::printf("%-24s failed\n", name);
  double sum = 0;
  for (const double t : times) sum += t;
  std::printf("%-24s n=%zu  min %.1f ms  median %.1f ms  mean %.1f ms  max %.1f ms\n", name, times.size(),
              times.front(), times[times.size() / 2], sum / static_cast<double>(times.size()), times.back());
}

}  // namespace

int main(int argc, char** argv) {
  const int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 20;
  const pbw::testing::DovecotFixture dovecot = pbw::testing::LoadDovecotFixture();
  const pbw::testing::TrustedRoot ca(dovecot.tls.testCaFile);
  const std::vector<std::string> check = {"USER " + dovecot.full.user + "\r\n",
                                          "PASS " + dovecot.full.password + "\r\n", "LIST 1\r\n"};
  std::vector<double> plainGreeting, tlsGreeting, plainCheck, tlsCheck;
  for (int i = 0; i < rounds; ++i) {
    plainGreeting.push_back(TimeToReply(L"localhost", dovecot.port, pbw::ConnectionSecurity::kPlain, {}));
    tlsGreeting.push_back(TimeToReply(L"localhost", dovecot.tls.port, pbw::ConnectionSecurity::kImplicitTls, {}));
    plainCheck.push_back(TimeToReply(L"localhost", dovecot.port, pbw::ConnectionSecurity::kPlain, check));
    tlsCheck.push_back(TimeToReply(L"localhost", dovecot.tls.port, pbw::ConnectionSecurity::kImplicitTls, check));
  }
  Report("plain, to greeting", plainGreeting);
  Report("TLS, to greeting", tlsGreeting);
  Report("plain, to LIST reply", plainCheck);
  Report("TLS, to LIST reply", tlsCheck);
  std::printf("%ls", lastTlsLine.c_str());
  return 0;
}
