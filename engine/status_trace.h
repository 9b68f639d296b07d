#pragma once
// The engine's two outputs: the status line (panel 1) and the trace of the latest session.

#include <cstdint>
#include <string>
#include <string_view>
#include <utility>

#include "engine/engine_ports.h"

namespace pbw {

// "Keine Antwort seit 90 sec. Die Verbindung wird daher abgebrochen."
std::wstring TimeoutText(std::int32_t seconds);

// The first line of every trace: "Connecting to <server>, <port> via '<connection>' on <time>" + two CR LF.
std::wstring ConnectLine(std::wstring_view serverText, std::uint16_t port, std::wstring_view connectionName,
                         std::wstring_view timeOfDay);

class StatusAndTrace {
 public:
  StatusAndTrace(StatusPanel& status, TraceView& trace) : status_(status), trace_(trace) {}

  // The panel always shows one blank before the message.
  void ShowStatus(std::wstring_view text) { status_.SetText(L" " + std::wstring(text)); }

  // A new trace whose first line is not known yet: what is appended meanwhile shows at once, and
  // the first line is put in front of it once it is known.
  void BeginTrace() {
    awaitingFirstLine_ = true;
    sinceBegin_.clear();
    trace_.Replace(std::wstring());
  }
  // The whole trace becomes its first line and what came before it.
  void WriteFirstLine(const std::wstring& line) {
    awaitingFirstLine_ = false;
    trace_.Replace(line + std::exchange(sinceBegin_, {}));
  }
  void AppendTrace(const std::wstring& text) {
    if (awaitingFirstLine_) sinceBegin_ += text;
    trace_.Append(text);
  }

 private:
  StatusPanel& status_;
  TraceView& trace_;
  bool awaitingFirstLine_ = false;
  // What the trace holds since it began, while its first line is not known yet.
  std::wstring sinceBegin_;
};

}  // namespace pbw
