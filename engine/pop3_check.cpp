#include "engine/pop3_check.h"

#include "common/text_encoding.h"
#include "common/text_helpers.h"
#include "engine/server_address.h"

namespace pbw {

bool IsOkReply(std::wstring_view reply) { return TrimSpaces(reply).starts_with(L"+OK"); }

void Pop3Check::StartPop3Check() {
  ++sessionsBegun_;
  parts_.socket.Close();
  pendingReply_.clear();
  StartWatchdog();
  checkStep_ = kStepGreeting;
  parts_.output.ShowStatus(status_text::kLoggingIn);
  const ServerAddress address = SplitServerAddress(parts_.fields.ServerText());
  parts_.socket.Connect(address.host, address.port, SecurityForPort(address.port));
  parts_.output.ShowStatus(status_text::kOpening);
  // The session does not wait for the connection's name: its trace lines wait for the connect line.
  parts_.output.BeginTrace();
  parts_.probe.AskConnectionName([this, server = parts_.fields.ServerText(), port = address.port,
                                  time = parts_.clock.TimeOfDayText()](const std::wstring& name) {
    parts_.output.WriteFirstLine(ConnectLine(server, port, name, time));
  });
}

void Pop3Check::Pop3Sock_DataArrival(std::int32_t /*bytesTotal*/) {
  pendingReply_ += parts_.socket.GetData();
  // TCP may split a reply: wait for its line end (the watchdog keeps counting meanwhile).
  if (pendingReply_.find('\n') == std::string::npos && pendingReply_.size() < kMaxReplyBytes) return;
  const std::string reply = std::move(pendingReply_);
  pendingReply_.clear();
  HandlePop3Reply(DecodeServerText(reply));
}

void Pop3Check::Pop3Sock_TlsReport(const TlsReport& report) {
  if (report.outcome == TlsOutcome::kEstablished) return parts_.output.AppendTrace(TlsTraceLine(report.facts));
  parts_.output.AppendTrace(TlsFailureTraceLine(report.code));
  EndPop3Session(TlsFailureText(report.outcome));
}

void Pop3Check::HandlePop3Reply(const std::wstring& reply) {
  StopWatchdog();
  // The reply goes into the trace together with the command that answers it, once that has left:
  // the server never waits for the trace.
  const std::wstring received = L"RCVD: " + reply;
  const bool ok = IsOkReply(reply);
  switch (checkStep_) {
    case 0:
      return parts_.output.AppendTrace(received);
    case kStepGreeting:
      if (!ok) return EndAfterReply(received, status_text::kHostNotAnswering);
      checkStep_ = kStepUser;
      return SendPop3Command(received, L"USER " + parts_.fields.MailboxText() + L"\r\n");
    case kStepUser:
      if (!ok) return EndAfterReply(received, status_text::kMailboxUnknown);
      checkStep_ = kStepPass;
      return SendPop3Command(received, L"PASS " + parts_.fields.PasswordText() + L"\r\n");
    case kStepPass:
      if (!ok) return EndAfterReply(received, status_text::kLoginRejected);
      checkStep_ = kStepList;
      return SendPop3Command(received, L"LIST 1\r\n");
    case kStepList:
      if (!ok) return EndAfterReply(received, status_text::kMailboxEmpty);
      parts_.output.AppendTrace(received);
      StartMailClient();
      return EndPop3Session(status_text::kNewMail);
    default:
      return EndAfterReply(received, std::wstring(status_text::kUnknownStep) + std::to_wstring(checkStep_));
  }
}

void Pop3Check::SendPop3Command(const std::wstring& received, const std::wstring& commandLine) {
  StartWatchdog();
  parts_.socket.SendData(ToUtf8(commandLine));
  parts_.output.AppendTrace(received + L"\r\n" + std::to_wstring(checkStep_) + L" SEND: " + commandLine);
}

void Pop3Check::EndAfterReply(const std::wstring& received, std::wstring_view outcome) {
  parts_.output.AppendTrace(received);
  EndPop3Session(outcome);
}

void Pop3Check::EndPop3Session(std::wstring_view outcome) {
  StopWatchdog();
  parts_.socket.Close();
  pendingReply_.clear();
  parts_.output.ShowStatus(outcome);
}

void Pop3Check::StartMailClient() {
  if (!parts_.starter.StartProgram(parts_.fields.MailClientText())) parts_.starter.DefaultBeep();
}

void Pop3Check::StartWatchdog() {
  watchdogTicks_ = 0;
  parts_.tick.SetEnabled(true);
}

void Pop3Check::StopWatchdog() { parts_.tick.SetEnabled(false); }

void Pop3Check::Tick_Timer() {
  ++watchdogTicks_;
  if (watchdogTicks_ < kWatchdogLimit) return;
  StopWatchdog();
  EndPop3Session(TimeoutText(kWatchdogLimit));
}

}  // namespace pbw
