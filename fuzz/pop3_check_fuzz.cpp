// The check engine fed whatever a server may send, split anywhere, between ticks, TLS reports and
// restarts: it shows only its own texts, holds back no complete reply and never more than a reply's
// limit, runs the watchdog exactly while the connection is open, traces no more than it got, and
// once it has asked for TLS sends nothing until the channel is established.

#include <algorithm>
#include <set>
#include <utility>
#include <string>

#include "engine/status_texts.h"
#include "engine/status_trace.h"
#include "fuzz/fuzz_input.h"
#include "tests/support/engine_stand_ins.h"

namespace {

using pbw::Pop3Check;
using pbw::fuzzing::Require;
namespace text = pbw::status_text;

std::set<std::wstring> KnownStatusTexts() {
  std::set<std::wstring> known;
  for (const std::wstring_view t : {text::kLoggingIn, text::kOpening, text::kHostNotAnswering, text::kMailboxUnknown,
                                    text::kPlainLoginRefused, text::kLoginRejected, text::kNewMail, text::kMailboxEmpty,
                                    text::kTlsUntrusted, text::kTlsWrongHost, text::kTlsExpired, text::kTlsFailed}) {
    known.insert(L" " + std::wstring(t));
  }
  known.insert(L" " + pbw::TimeoutText(Pop3Check::kWatchdogLimit));
  return known;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const std::set<std::wstring> kKnown = KnownStatusTexts();
  pbw::fuzzing::FuzzInput input(data, size);
  pbw::testing::EngineRig rig;
  // What one reply may add besides its own bytes: "RCVD: " and the command line it answers.
  const std::size_t perReply =
      64 + std::max({rig.fields.mailbox.size(), rig.fields.password.size(), rig.fields.server.size()});
  // The bytes received since the last reply was handled, by the engine's rule for a reply's end.
  std::string held;
  std::size_t traceBudget = 0;
  const std::wstring connectLine = pbw::ConnectLine(rig.fields.server, 65535, rig.probe.name, rig.clock.time);
  std::size_t statusesSeen = 0;
  // The socket was asked for TLS and has not reported the channel established: nothing may be sent.
  bool awaitingChannel = false;
  int tlsStartsSeen = 0;
  std::size_t sentBeforeChannel = 0;

  while (!input.Empty()) {
    switch (input.Byte() % 4) {
      case 0:
        rig.check.StartPop3Check();
        held.clear();
        awaitingChannel = false;
        // The connect line comes in front once the session has ended and the probe has answered.
        traceBudget = rig.trace.text.size() + connectLine.size();
        break;
      case 1: {
        if (!rig.socket.open) break;
        const std::string bytes = input.Bytes(input.Byte() % 128 == 127 ? 5000 : input.Byte());
        const std::size_t before = rig.trace.text.size();
        rig.Receive(bytes);
        traceBudget += bytes.size() + perReply;
        held = rig.trace.text.size() != before ? std::string() : held + bytes;
        break;
      }
      case 2:
        rig.Ticks(input.Byte());
        break;
      case 3: {
        if (!rig.socket.open) break;
        pbw::TlsReport report;
        report.outcome = static_cast<pbw::TlsOutcome>(input.Byte() % 5);
        report.code = input.Word();
        report.facts = {input.Text(8), input.Text(8), input.Text(8), input.Text(8)};
        traceBudget += (report.outcome == pbw::TlsOutcome::kEstablished ? pbw::TlsTraceLine(report.facts)
                                                                        : pbw::TlsFailureTraceLine(report.code))
                           .size() +
                       perReply;
        rig.check.Pop3Sock_TlsReport(report);
        if (report.outcome == pbw::TlsOutcome::kEstablished) awaitingChannel = false;
        break;
      }
    }
    if (!rig.socket.open) held.clear();
    const std::int32_t step = rig.check.CheckStep();
    // Only the positive reply to CAPA runs on past its first line.
    Require(held.size() < Pop3Check::kMaxReplyBytes &&
            (step == Pop3Check::kStepCapa || held.find('\n') == std::string::npos));
    if (std::exchange(tlsStartsSeen, rig.socket.tlsStarts) != rig.socket.tlsStarts) {
      awaitingChannel = true;
      sentBeforeChannel = rig.socket.sent.size();
    }
    Require(!awaitingChannel || rig.socket.sent.size() == sentBeforeChannel);
    Require(rig.tick.enabled == rig.socket.open);
    Require(rig.trace.text.size() <= traceBudget);
    for (; statusesSeen < rig.status.history.size(); ++statusesSeen) {
      Require(kKnown.contains(rig.status.history[statusesSeen]));
    }
    Require(step == 0 || (step >= Pop3Check::kStepGreeting && step <= Pop3Check::kStepList) ||
            (step >= Pop3Check::kStepCapa && step <= Pop3Check::kStepSecuring));
  }
  return 0;
}
