#include "engine/pop3_check.h"

#include "common/text_encoding.h"
#include "engine/server_address.h"

namespace pbw {

bool IsOkReply(std::wstring_view reply) {
  const auto first = reply.find_first_not_of(L' ');
  if (first == std::wstring_view::npos) return false;
  const auto last = reply.find_last_not_of(L' ');
  const std::wstring_view trimmed = reply.substr(first, last - first + 1);
  return trimmed.substr(0, 3) == L"+OK";
}

void Pop3Check::StartPop3Check() {
  parts_.socket.Close();
  pendingReply_.clear();
  StartWatchdog();
  checkStep_ = kStepGreeting;
  parts_.output.ShowStatus(status_text::kLoggingIn);
  const ServerAddress address = SplitServerAddress(parts_.fields.ServerText());
  parts_.socket.Connect(address.host, address.port, SecurityForPort(address.port));
  parts_.output.ShowStatus(status_text::kOpening);
  parts_.output.ReplaceTrace(ConnectLine(parts_.fields.ServerText(), address.port,
                                         parts_.probe.GetConnectionName(), parts_.clock.TimeOfDayText()));
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
  parts_.output.AppendTrace(L"RCVD: " + reply);
  const bool ok = IsOkReply(reply);
  switch (checkStep_) {
    case 0:
      return;
    case kStepGreeting:
      if (!ok) return EndPop3Session(status_text::kHostNotAnswering);
      checkStep_ = kStepUser;
      return SendPop3Command(L"USER " + parts_.fields.MailboxText() + L"\r\n");
    case kStepUser:
      if (!ok) return EndPop3Session(status_text::kMailboxUnknown);
      checkStep_ = kStepPass;
      return SendPop3Command(L"PASS " + parts_.fields.PasswordText() + L"\r\n");
    case kStepPass:
      if (!ok) return EndPop3Session(status_text::kLoginRejected);
      checkStep_ = kStepList;
      return SendPop3Command(L"LIST 1\r\n");
    case kStepList:
      if (!ok) return EndPop3Session(status_text::kMailboxEmpty);
      StartMailClient();
      return EndPop3Session(status_text::kNewMail);
    default:
      return EndPop3Session(std::wstring(status_text::kUnknownStep) + std::to_wstring(checkStep_));
  }
}

void Pop3Check::SendPop3Command(const std::wstring& commandLine) {
  parts_.output.AppendTrace(L"\r\n" + std::to_wstring(checkStep_) + L" SEND: " + commandLine);
  StartWatchdog();
  parts_.socket.SendData(ToUtf8(commandLine));
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
