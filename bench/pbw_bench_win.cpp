// Measures the real PBW.exe beside the benchmark's own baseline programs, side by side in one run,
// and prints one table of medians. A measuring tool, run by scripts/bench.sh; no test. The checks go
// to the native server bench/timing_server.py, which listens on the two ports given.
//   pbw_bench <session port> <report port> [repetitions] [idle seconds] [the PBW.exe to measure]

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "bench/process_figures_win.h"
#include "bench/stall_probe_win.h"
#include "bench/session_reports_win.h"
#include "common/unique_handle_win.h"
#include "common/wide_text_win.h"
#include "mainwindow/form1_layout.h"
#include "tests/support/dovecot/dovecot_fixture.h"
#include "tests/support/pbw_remote_win.h"
#include "tests/support/scripted_pop3_server_win.h"
#include "tests/support/trusted_root_win.h"

namespace pbw::bench {
namespace {

using Clock = std::chrono::steady_clock;
using testing::TextOf;

constexpr wchar_t kPbwCaption[] = L"PostboxWatchman";
constexpr wchar_t kBareCaption[] = L"PBW bench bare window";
constexpr wchar_t kOpening[] = L" Das Mailkonto wird geöffnet ...";
constexpr wchar_t kLoggingIn[] = L" Anmeldung an das Mailkonto läuft ...";
// Started as at log-on, hidden like the baseline window: a start by hand would also show the window.
constexpr wchar_t kPbwHidden[] = L"/AUTOSTART";
constexpr int kChecks = 30;
constexpr DWORD kLimitMs = 30000;

double MsSince(Clock::time_point start) {
  return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

std::wstring BesideThisProgram(const wchar_t* name) {
  wchar_t path[MAX_PATH]{};
  ::GetModuleFileNameW(nullptr, path, MAX_PATH);
  std::wstring folder = path;
  return folder.substr(0, folder.find_last_of(L'\\') + 1) + name;
}

struct WindowSearch {
  DWORD processId;
  const wchar_t* caption;
  HWND found;
};

BOOL CALLBACK MatchCaption(HWND window, LPARAM context) {
  auto& search = *reinterpret_cast<WindowSearch*>(context);
  DWORD owner = 0;
  ::GetWindowThreadProcessId(window, &owner);
  wchar_t text[64]{};
  if (owner != search.processId || ::GetWindowTextW(window, text, 64) == 0 || std::wstring(text) != search.caption)
    return TRUE;
  search.found = window;
  return FALSE;
}

// Reads captions without sending to the other process: its thread may be busy.
HWND TopLevelWindowOf(DWORD processId, const wchar_t* caption) {
  WindowSearch search{processId, caption, nullptr};
  ::EnumWindows(&MatchCaption, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

// A process of the benchmark, ended when it goes.
class Process {
 public:
  Process(const std::wstring& exe, const std::wstring& arguments) {
    std::wstring commandLine = L"\"" + exe + L"\" " + arguments;
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info{};
    if (!::CreateProcessW(exe.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                          &info))
      return;
    ::CloseHandle(info.hThread);
    handle_.reset(info.hProcess);
    id_ = info.dwProcessId;
  }
  Process(Process&&) = default;
  ~Process() {
    if (handle_ && ::WaitForSingleObject(handle_.get(), 0) != WAIT_OBJECT_0) {
      ::TerminateProcess(handle_.get(), 1);
      ::WaitForSingleObject(handle_.get(), kLimitMs);
    }
  }
  HANDLE Handle() const { return handle_.get(); }
  DWORD Id() const { return id_; }
  bool WaitForExit() const { return ::WaitForSingleObject(handle_.get(), kLimitMs * 4) == WAIT_OBJECT_0; }

 private:
  UniqueKernelHandle handle_;
  DWORD id_ = 0;
};

// A window program started and waited for until its window is up and its message loop idle.
struct WindowProgram {
  Process process;
  HWND window = nullptr;
  double readyMs = -1;
};

WindowProgram StartWindowProgram(const std::wstring& exe, const wchar_t* caption, const wchar_t* arguments = L"") {
  const auto start = Clock::now();
  WindowProgram program{Process(exe, arguments)};
  if (!program.process.Handle()) return program;
  while (!(program.window = TopLevelWindowOf(program.process.Id(), caption)) && MsSince(start) < kLimitMs) ::Sleep(1);
  ::WaitForInputIdle(program.process.Handle(), kLimitMs);
  program.readyMs = MsSince(start);
  return program;
}

void Send(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  DWORD_PTR result = 0;
  ::SendMessageTimeoutW(window, message, wParam, lParam, SMTO_NORMAL, kLimitMs, &result);
}

void ShowFromTray(HWND pbw) { Send(pbw, WM_USER, 0, WM_LBUTTONDOWN); }
void HideWithCloseBox(HWND pbw) { Send(pbw, WM_SYSCOMMAND, SC_CLOSE, 0); }

std::wstring StatusOf(HWND pbw) { return TextOf(::GetDlgItem(pbw, static_cast<int>(ControlId::Sbar))); }
bool IsUnderWay(const std::wstring& status) { return status == kOpening || status == kLoggingIn; }

// The longest stall of `window` while `action` runs.
double LongestStall(HWND window, const std::function<void()>& action) {
  StallProbe probe(window);
  action();
  return probe.Stop();
}

std::wstring pbwExe = PbwExe();

// The table.
struct Row {
  std::string figure, pbw, baseline, comparison;
};
std::vector<Row> rows;

std::string Format(const char* format, double value) {
  char text[64];
  std::snprintf(text, sizeof text, format, value);
  return text;
}

void AddRatio(const std::string& figure, double pbw, double baseline, const char* unit, const std::string& what) {
  const std::string f = std::string("%.1f ") + unit;
  rows.push_back({figure, Format(f.c_str(), pbw), Format(f.c_str(), baseline) + ": " + what,
                  baseline > 0 ? Format("%.2fx", pbw / baseline) : "-"});
}

void AddDifference(const std::string& figure, double pbw, double baseline, const char* unit, const std::string& what) {
  const std::string f = std::string("%.1f ") + unit;
  rows.push_back({figure, Format(f.c_str(), pbw), Format(f.c_str(), baseline) + ": " + what,
                  Format("%+.1f ", pbw - baseline) + unit});
}

void StartAndFootprint(int repetitions) {
  const std::wstring bareExe = BesideThisProgram(L"bench_bare_window.exe");
  std::vector<double> pbwStart, bareStart, pbwResident, bareResident, pbwPrivate, barePrivate, pbwAgain;
  for (int i = 0; i < repetitions; ++i) {
    // Each goes first every other time: the process that starts after a teardown may pay for it.
    std::optional<WindowProgram> bare, pbwProgram;
    for (int turn = 0; turn < 2; ++turn) {
      if ((turn + i) % 2 == 0) {
        bare.emplace(StartWindowProgram(bareExe, kBareCaption));
      } else {
        pbwProgram.emplace(StartWindowProgram(pbwExe, kPbwCaption, kPbwHidden));
      }
      ::Sleep(500);
    }
    const WindowProgram& pbw = *pbwProgram;
    bareStart.push_back(bare->readyMs);
    pbwStart.push_back(pbw.readyMs);
    ::Sleep(2000);
    Footprint f = FootprintOf(bare->process.Handle());
    bareResident.push_back(f.workingSetMb);
    barePrivate.push_back(f.privateMb);
    f = FootprintOf(pbw.process.Handle());
    pbwResident.push_back(f.workingSetMb);
    pbwPrivate.push_back(f.privateMb);
    ShowFromTray(pbw.window);
    ::Sleep(1000);
    HideWithCloseBox(pbw.window);
    ::Sleep(2000);
    pbwAgain.push_back(FootprintOf(pbw.process.Handle()).workingSetMb);
  }
  const std::string n = " (median of " + std::to_string(repetitions) + ")";
  AddRatio("start to window ready" + n, Median(pbwStart), Median(bareStart), "ms", "bare window, same DLLs");
  AddDifference("resident memory, hidden in the tray" + n, Median(pbwResident), Median(bareResident), "MB",
                "bare window");
  AddDifference("private bytes, hidden in the tray" + n, Median(pbwPrivate), Median(barePrivate), "MB", "bare window");
  AddDifference("resident memory, hidden again after one show" + n, Median(pbwAgain), Median(bareResident), "MB",
                "bare window");
}

// Where the checks go: the native server's sessions and its reports on them.
struct TimingServer {
  std::uint16_t port;
  SessionReports& reports;

  // The server-side times of the session that `start` begins; negative ones when there is no report.
  SessionTimes Time(const std::function<void()>& start) const {
    start();
    return reports.Next().value_or(SessionTimes());
  }
};

// A baseline client that plays one session each time its turn comes.
class PacedClient {
 public:
  PacedClient(const wchar_t* client, const TimingServer& server, int sessions)
      : server_(server),
        name_("pbw-bench-go-" + std::to_string(::GetCurrentProcessId()) + "-" + std::to_string(++count_)),
        go_(::CreateEventA(nullptr, FALSE, FALSE, name_.c_str())),
        process_(BesideThisProgram(client), std::to_wstring(server.port) + L" " + std::to_wstring(sessions) + L" " +
                                                std::wstring(name_.begin(), name_.end())) {}
  SessionTimes PlaySession() const {
    return server_.Time([&] { ::SetEvent(go_.get()); });
  }

 private:
  static inline int count_ = 0;
  const TimingServer& server_;
  std::string name_;
  UniqueKernelHandle go_;
  Process process_;
};

SessionTimes PbwSession(HWND pbw, const TimingServer& server) {
  return server.Time([&] { PressTest(pbw); });
}

// The stall cases of a check that is started and then left alone for `watchMs`; whether it was
// still under way at the end goes into the figure's name.
void StallWhileWaiting(const std::string& figure, HWND pbw, const std::wstring& server, int repetitions,
                       double idleStall) {
  const std::wstring before = TextOf(::GetDlgItem(pbw, static_cast<int>(ControlId::ServerNameTB)));
  Send(::GetDlgItem(pbw, static_cast<int>(ControlId::ServerNameTB)), WM_SETTEXT, 0,
       reinterpret_cast<LPARAM>(server.c_str()));
  std::vector<double> stalls;
  bool stillWaiting = true;
  for (int i = 0; i < repetitions; ++i) {
    stalls.push_back(LongestStall(pbw, [&] {
      PressTest(pbw);
      ::Sleep(3000);
    }));
    stillWaiting = stillWaiting && IsUnderWay(StatusOf(pbw));
  }
  Send(::GetDlgItem(pbw, static_cast<int>(ControlId::ServerNameTB)), WM_SETTEXT, 0,
       reinterpret_cast<LPARAM>(before.c_str()));
  AddRatio("longest loop stall, " + figure + (stillWaiting ? " (3 s, still waiting)" : " (3 s, ENDED EARLY)"),
           Median(stalls), idleStall, "ms", "same window idle");
}

// One of the times of each session.
std::vector<double> Each(const std::vector<SessionTimes>& sessions, double SessionTimes::*time) {
  std::vector<double> times;
  for (const SessionTimes& session : sessions) times.push_back(session.*time);
  return times;
}

// Returns the longest stall of the idle window, the stalls' baseline.
double ChecksAndStalls(int repetitions, const std::wstring& hangingName, const TimingServer& server) {
  StoreAccount(L"127.0.0.1:" + std::to_wstring(server.port), L"bench", L"bench");
  const WindowProgram pbw = StartWindowProgram(pbwExe, kPbwCaption, kPbwHidden);
  ::Sleep(1000);
  // Turn by turn, so that the machine's changing load falls on PBW.exe and the baselines alike; the
  // first session of each, which sets things up, is left out.
  PacedClient async(L"bench_async_client.exe", server, 2 * kChecks + 2);
  PacedClient blocking(L"bench_blocking_client.exe", server, kChecks + 1);
  std::vector<SessionTimes> hidden, shown, asyncTimes, blockingTimes;
  for (int i = 0; i <= kChecks; ++i) {
    const SessionTimes pbwTime = PbwSession(pbw.window, server);
    const SessionTimes asyncTime = async.PlaySession();
    const SessionTimes blockingTime = blocking.PlaySession();
    if (i == 0) continue;
    hidden.push_back(pbwTime);
    asyncTimes.push_back(asyncTime);
    blockingTimes.push_back(blockingTime);
  }
  ShowFromTray(pbw.window);
  ::Sleep(1000);
  std::vector<SessionTimes> asyncBesideShown;
  for (int i = 0; i <= kChecks; ++i) {
    const SessionTimes pbwTime = PbwSession(pbw.window, server);
    const SessionTimes asyncTime = async.PlaySession();
    if (i == 0) continue;
    shown.push_back(pbwTime);
    asyncBesideShown.push_back(asyncTime);
  }
  const std::string n = " (median of " + std::to_string(kChecks) + ")";
  const auto addCheck = [&](const std::string& figure, const std::vector<SessionTimes>& measured,
                            const std::vector<SessionTimes>& baseline, double SessionTimes::*time) {
    AddRatio(figure + n, Median(Each(measured, time)), Median(Each(baseline, time)), "ms", "WSAAsyncSelect client");
  };
  addCheck("one check, accept to answer to LIST, window hidden", hidden, asyncTimes, &SessionTimes::toList);
  addCheck("one check, accept to close, window hidden", hidden, asyncTimes, &SessionTimes::toClose);
  addCheck("one check, accept to answer to LIST, window shown", shown, asyncBesideShown, &SessionTimes::toList);
  addCheck("one check, accept to answer to LIST, blocking client", blockingTimes, asyncTimes, &SessionTimes::toList);

  // The stalls, with the window shown: painting is part of what a stall may hold.
  const double idle = LongestStall(pbw.window, [] { ::Sleep(2000); });
  std::vector<double> plain;
  for (int i = 0; i < repetitions; ++i) {
    plain.push_back(LongestStall(pbw.window, [&] {
      PbwSession(pbw.window, server);
      ::Sleep(200);
    }));
  }
  AddRatio("longest loop stall, plain check", Median(plain), idle, "ms", "same window idle");
  {
    // Only the first connection is taken; the later ones wait in the backlog, just as silent.
    const testing::ScriptedPop3Server silentServer({testing::ScriptedPop3Server::StaySilent()});
    StallWhileWaiting("server accepts and stays silent", pbw.window,
                      L"127.0.0.1:" + std::to_wstring(silentServer.Port()), repetitions, idle);
  }
  StallWhileWaiting("name resolution hangs", pbw.window, hangingName, repetitions, idle);
  return idle;
}

std::string Utf8(const std::wstring& text) {
  std::string bytes(text.size() * 3, '\0');
  bytes.resize(
      static_cast<std::size_t>(::WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()),
                                                     bytes.data(), static_cast<int>(bytes.size()), nullptr, nullptr)));
  return bytes;
}

// Each in a new process: the first channel of a process loads and starts the TLS machinery. No other
// PBW.exe may run meanwhile: a second start only shows the first.
void FirstTlsCheckStalls(int repetitions, double idleStall) {
  const char* figure = "longest loop stall, first TLS check of the process";
  std::optional<testing::DovecotFixture> dovecot;
  try {
    dovecot = testing::LoadDovecotFixture();
  } catch (const std::exception&) {
    return rows.push_back({figure, "not measured: no Dovecot fixture", "", ""});
  }
  const testing::TrustedRoot ca(dovecot->tls.testCaFile);
  StoreAccount(L"localhost:" + std::to_wstring(dovecot->tls.port), WideFromCodePage(dovecot->empty.user, CP_UTF8),
               WideFromCodePage(dovecot->empty.password, CP_UTF8));
  std::vector<double> stalls;
  std::wstring outcome;
  for (int i = 0; i < repetitions; ++i) {
    const WindowProgram pbw = StartWindowProgram(pbwExe, kPbwCaption, kPbwHidden);
    ShowFromTray(pbw.window);
    ::Sleep(1000);
    stalls.push_back(LongestStall(pbw.window, [&] {
      PressTest(pbw.window);
      testing::PumpMessagesUntil([&] { return !IsUnderWay(StatusOf(pbw.window)); },
                                 std::chrono::milliseconds(kLimitMs));
      ::Sleep(200);
    }));
    outcome = StatusOf(pbw.window);
  }
  AddRatio(std::string(figure) + " (ends:" + Utf8(outcome) + ")", Median(stalls), idleStall, "ms", "same window idle");
}

void IdleCpu(int seconds) {
  const WindowProgram pbw = StartWindowProgram(pbwExe, kPbwCaption, kPbwHidden);
  const WindowProgram bare = StartWindowProgram(BesideThisProgram(L"bench_bare_window.exe"), kBareCaption);
  ::Sleep(2000);
  const double pbwBefore = CpuMs(pbw.process.Handle());
  const double bareBefore = CpuMs(bare.process.Handle());
  ::Sleep(static_cast<DWORD>(seconds) * 1000);
  rows.push_back({"CPU while idle and hidden, " + std::to_string(seconds) + " s",
                  Format("%.0f ms", CpuMs(pbw.process.Handle()) - pbwBefore),
                  Format("%.0f ms", CpuMs(bare.process.Handle()) - bareBefore) + ": bare window", "-"});
}

}  // namespace
}  // namespace pbw::bench

int main(int argc, char** argv) {
  using namespace pbw::bench;
  if (argc < 3)
    return std::puts("usage: pbw_bench <session port> <report port> [repetitions] [idle seconds] [PBW.exe]"), 2;
  SessionReports reports(static_cast<std::uint16_t>(std::atoi(argv[2])), kLimitMs);
  if (!reports.Connected()) return std::puts("the timing server's reports cannot be read"), 1;
  const TimingServer server{static_cast<std::uint16_t>(std::atoi(argv[1])), reports};
  const int repetitions = argc > 3 ? std::max(1, std::atoi(argv[3])) : 5;
  const int idleSeconds = argc > 4 ? std::max(1, std::atoi(argv[4])) : 60;
  if (argc > 5) pbwExe = pbw::testing::WindowsPath(argv[5]);
  StartAndFootprint(repetitions);
  // Not in /etc/hosts: its lookup goes to the name server, which scripts/bench.sh keeps silent.
  const double idleStall = ChecksAndStalls(repetitions, L"pbw-bench.hanging.test", server);
  FirstTlsCheckStalls(repetitions, idleStall);
  IdleCpu(idleSeconds);
  std::printf("| figure | PBW.exe | baseline | PBW.exe against baseline |\n|---|---|---|---|\n");
  for (const Row& row : rows)
    std::printf("| %s | %s | %s | %s |\n", row.figure.c_str(), row.pbw.c_str(), row.baseline.c_str(),
                row.comparison.c_str());
  return 0;
}
