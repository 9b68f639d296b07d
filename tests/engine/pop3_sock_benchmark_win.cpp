// Prints how long the socket takes from Connect to the delivered greeting, plain and over TLS,
// against the tests' private Dovecot. A measuring tool for developers, not a test:
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

// Milliseconds from Connect to the first delivered bytes, or a negative value when none came.
double TimeToGreeting(const std::wstring& host, std::uint16_t port, pbw::ConnectionSecurity security) {
  std::string received;
  bool failed = false;
  pbw::Pop3Sock sock([&](std::int32_t) { received += sock.GetData(); },
                     [&](const pbw::TlsReport& report) {
                       failed = report.outcome != pbw::TlsOutcome::kEstablished;
                       if (!failed) lastTlsLine = pbw::TlsTraceLine(report.facts);
                     });
  const auto start = Clock::now();
  sock.Connect(host, port, security);
  if (!pbw::testing::PumpMessagesUntil([&] { return failed || !received.empty(); }) || failed) return -1;
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
  std::vector<double> plain;
  std::vector<double> tls;
  for (int i = 0; i < rounds; ++i) {
    plain.push_back(TimeToGreeting(L"localhost", dovecot.port, pbw::ConnectionSecurity::kPlain));
    tls.push_back(TimeToGreeting(L"localhost", dovecot.tls.port, pbw::ConnectionSecurity::kImplicitTls));
  }
  Report("plain, to greeting", plain);
  Report("TLS, to greeting", tls);
  std::printf("%ls", lastTlsLine.c_str());
  return 0;
}
