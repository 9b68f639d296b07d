// Runs consecutive checks of the real PBW.exe against the tests' private Dovecot (an empty mailbox,
// started through "&Test") and samples the process's handles, GDI and USER objects and private
// bytes at regular steps. Every sample after the first must lie within 1 % of the first; a count may
// also differ by one, since Wine opens some objects once, lazily, in any of the first sessions (a
// leak would add one with every session).
//   pbw_soak <sessions> [sessions between samples]      (the Dovecot fixture must be running)

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "bench/process_figures_win.h"
#include "common/wide_text_win.h"
#include "mainwindow/form1_layout.h"
#include "tests/support/dovecot/dovecot_fixture.h"
#include "tests/support/pbw_remote_win.h"

namespace {

using pbw::bench::Footprint;

constexpr wchar_t kMailboxEmpty[] = L" Postfach leer";

bool WithinOnePercent(double value, double first, double slack = 0) {
  return std::fabs(value - first) <= std::max(std::fabs(first) * 0.01, slack);
}

bool Flat(const Footprint& sample, const Footprint& first) {
  constexpr double kOneObject = 1;
  return WithinOnePercent(sample.handles, first.handles, kOneObject) &&
         WithinOnePercent(sample.gdiObjects, first.gdiObjects, kOneObject) &&
         WithinOnePercent(sample.userObjects, first.userObjects, kOneObject) &&
         WithinOnePercent(sample.privateMb, first.privateMb);
}

}  // namespace

int main(int argc, char** argv) {
  const int sessions = argc > 1 ? std::max(1, std::atoi(argv[1])) : 1000;
  const int step = argc > 2 ? std::max(1, std::atoi(argv[2])) : std::max(1, sessions / 10);
  const pbw::testing::DovecotFixture dovecot = pbw::testing::LoadDovecotFixture();
  pbw::bench::StoreAccount(L"127.0.0.1:" + std::to_wstring(dovecot.port),
                           pbw::WideFromCodePage(dovecot.empty.user, CP_UTF8),
                           pbw::WideFromCodePage(dovecot.empty.password, CP_UTF8));
  pbw::testing::RunningPbw pbw(pbw::bench::PbwExe());
  if (!pbw.Started()) return std::puts("PBW.exe did not start"), 1;
  DWORD processId = 0;
  ::GetWindowThreadProcessId(pbw.MainWindow(), &processId);
  const pbw::UniqueKernelHandle process(::OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, processId));
  const DWORD restingThreads = pbw::bench::ThreadsOf(processId);

  std::printf(
      "| sessions | handles | GDI objects | USER objects | private bytes | working set |\n"
      "|---|---|---|---|---|---|\n");
  std::vector<Footprint> samples;
  for (int session = 1; session <= sessions; ++session) {
    pbw::bench::PressTest(pbw.MainWindow());
    // The press has already shown the session's first status; the outcome replaces it.
    if (!pbw::testing::PumpMessagesUntil([&] { return pbw.StatusLine() == kMailboxEmpty; })) {
      std::printf("session %d ended with \"%ls\"\n", session, pbw.StatusLine().c_str());
      return 1;
    }
    if (session % step != 0) continue;
    // At rest: the thread pool's workers of the session (the one asking for the connection's name
    // runs after the session's end) have gone again; the pool lets an idle worker go after a few
    // seconds, and its stack with it.
    pbw::testing::PumpMessagesUntil([&] { return pbw::bench::ThreadsOf(processId) <= restingThreads; },
                                    std::chrono::seconds(30));
    const Footprint f = pbw::bench::FootprintOf(process.get());
    samples.push_back(f);
    std::printf("| %d | %lu | %lu | %lu | %.2f MB | %.2f MB |\n", session, f.handles, f.gdiObjects, f.userObjects,
                f.privateMb, f.workingSetMb);
    std::fflush(stdout);
  }
  for (const Footprint& sample : samples) {
    if (!Flat(sample, samples.front())) {
      std::printf("NOT FLAT: a sample after the first %d sessions moved by more than 1 %%\n", step);
      return 1;
    }
  }
  std::printf("flat within 1 %% after the first %d sessions\n", step);
  return 0;
}
