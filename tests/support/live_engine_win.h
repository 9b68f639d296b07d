#pragma once
// The check engine on the real socket, probe, clock and mail-client starter; only the window's
// parts (status line, trace, fields, watchdog timer) are stand-ins, so a test steps the watchdog.

#include "engine/connection_probe_win.h"
#include "engine/local_clock_win.h"
#include "engine/mail_client_starter_win.h"
#include "engine/pop3_check.h"
#include "engine/pop3_sock_win.h"
#include "tests/support/engine_stand_ins.h"
#include "tests/support/message_pump_win.h"
#include "tests/support/shown_status.h"

namespace pbw::testing {

struct LiveEngine {
  TimerStandIn tick;
  StatusStandIn status;
  TraceStandIn trace;
  StatusAndTrace output{status, trace};
  FieldsStandIn fields;
  InternetConnectionProbe probe;
  LocalClock clock;
  MailClientStarter starter;
  int notifications = 0;
  Pop3Sock socket{[this](std::int32_t waiting) {
                    ++notifications;
                    check.Pop3Sock_DataArrival(waiting);
                  },
                  [this](const TlsReport& report) { check.Pop3Sock_TlsReport(report); }};
  Pop3Check check{{socket, tick, output, fields, probe, clock, starter}};

  // The trace begins with the connect line once the probe has answered, which may be after the outcome.
  bool TraceBegun() const { return trace.text.starts_with(L"Connecting to "); }
  bool PumpUntilStatus(const std::wstring& text) {
    return PumpMessagesUntil([&] { return status.Text() == text && TraceBegun(); });
  }
  // Every outcome leaves the status line with something other than the two texts of a start.
  bool PumpUntilOutcome() {
    return PumpMessagesUntil([&] {
      return status.Text() != Shown(status_text::kLoggingIn) && status.Text() != Shown(status_text::kOpening) &&
             TraceBegun();
    });
  }
  void Ticks(int count) { DeliverTicks(check, tick, count); }
};

}  // namespace pbw::testing
