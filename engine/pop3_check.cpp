#include "engine/pop3_check.h"

#include <utility>

#include "common/text_encoding.h"
#include "common/text_helpers.h"
#include "engine/server_address.h"
#include "engine/status_texts.h"

namespace pbw {
namespace {

// Visits the lines after the reply's first, without their line ends, until `visit` returns true or
// the line "." that ends a multi-line reply; true when that line was reached.
template <typename Visit>
bool ForEachFurtherLine(std::string_view reply, Visit visit) {
  for (std::size_t end = reply.find('\n'); end != std::string_view::npos;) {
    const std::size_t start = end + 1;
    end = reply.find('\n', start);
    std::string_view line = reply.substr(start, end == std::string_view::npos ? std::string_view::npos : end - start);
    if (line.ends_with('\r')) line.remove_suffix(1);
    if (end != std::string_view::npos && line == ".") return true;
    if (visit(line)) return false;
  }
  return false;
}

// Capability names are compared without regard to case; STLS takes no arguments.
bool OffersStls(std::string_view capaReply) {
  bool offered = false;
  ForEachFurtherLine(capaReply, [&](std::string_view line) {
    offered = EqualIgnoringAsciiCase(DecodeServerText(line.substr(0, line.find(' '))), L"STLS");
    return offered;
  });
  return offered;
}

// "-ERR [AUTH] ...": the response code that blames the login itself (also "[AUTH/...]").
bool IsAuthRefusal(std::wstring_view reply) {
  const std::wstring start = AsciiUpperCase(TrimSpaces(reply).substr(0, 11));
  return start == L"-ERR [AUTH]" || start == L"-ERR [AUTH/";
}

}  // namespace

bool IsOkReply(std::wstring_view reply) { return TrimSpaces(reply).starts_with(L"+OK"); }

void Pop3Check::StartPop3Check() {
  ++sessionsBegun_;
  parts_.socket.Close();
  pendingReply_.clear();
  StartWatchdog();
  checkStep_ = kStepGreeting;
  parts_.output.ShowStatus(status_text::kLoggingIn);
  const ServerAddress address = SplitServerAddress(parts_.fields.ServerText());
  const ConnectionSecurity security = SecurityForPort(address.port);
  inClear_ = security == ConnectionSecurity::kPlain;
  parts_.socket.Connect(address.host, address.port, security);
  parts_.output.ShowStatus(status_text::kOpening);
  // The session does not wait for the connection's name: the connect line is put in front of its
  // trace once the session has ended.
  parts_.output.BeginTrace();
  connectLineStart_ = ConnectLineStart{parts_.fields.ServerText(), address.port, parts_.clock.TimeOfDayText()};
}

void Pop3Check::AskForConnectLine() {
  if (!connectLineStart_) return;
  parts_.probe.AskConnectionName([this, start = *std::exchange(connectLineStart_, std::nullopt),
                                  session = sessionsBegun_](const std::wstring& name) {
    // A later session has begun a trace of its own.
    if (session == sessionsBegun_)
      parts_.output.WriteFirstLine(ConnectLine(start.server, start.port, name, start.time));
  });
}

void Pop3Check::Pop3Sock_DataArrival(std::int32_t /*bytesTotal*/) {
  pendingReply_ += parts_.socket.GetData();
  // TCP may split a reply: wait for its end (the watchdog keeps counting meanwhile).
  if (!ReplyComplete() && pendingReply_.size() < kMaxReplyBytes) return;
  const std::string reply = std::move(pendingReply_);
  pendingReply_.clear();
  HandlePop3Reply(reply);
}

bool Pop3Check::ReplyComplete() const {
  const std::size_t firstEnd = pendingReply_.find('\n');
  if (firstEnd == std::string::npos) return false;
  if (checkStep_ != kStepCapa || !IsOkReply(DecodeServerText(std::string_view(pendingReply_).substr(0, firstEnd)))) {
    return true;
  }
  return ForEachFurtherLine(pendingReply_, [](std::string_view) { return false; });
}

void Pop3Check::Pop3Sock_TlsReport(const TlsReport& report) {
  if (report.outcome == TlsOutcome::kEstablished) {
    // After STLS the login waits for the accepted certificate; over implicit TLS the greeting does.
    if (checkStep_ == kStepSecuring) return SendUser(TlsTraceLine(report.facts));
    return parts_.output.AppendTrace(TlsTraceLine(report.facts));
  }
  parts_.output.AppendTrace(TlsFailureTraceLine(report.code));
  EndPop3Session(TlsFailureText(report.outcome));
}

void Pop3Check::HandlePop3Reply(std::string_view bytes) {
  StopWatchdog();
  const std::wstring reply = DecodeServerText(bytes);
  // The reply goes into the trace together with the command that answers it, once that has left:
  // the server never waits for the trace.
  const std::wstring received = L"RCVD: " + reply;
  const bool ok = IsOkReply(reply);
  switch (checkStep_) {
    case 0:
      return parts_.output.AppendTrace(received);
    case kStepGreeting:
      if (!ok) return EndAfterReply(received, status_text::kHostNotAnswering);
      if (!inClear_) return SendUser(received);
      checkStep_ = kStepCapa;
      return SendPop3Command(received, L"CAPA\r\n");
    case kStepCapa:
      // A server that knows no CAPA, or offers no STLS, gets the login in clear.
      if (!ok || !OffersStls(bytes)) return SendUser(received);
      checkStep_ = kStepStls;
      return SendPop3Command(received, L"STLS\r\n");
    case kStepStls:
      if (!ok) return SendUser(received);
      // From here on only TLS: a failure of it ends the session, never a login in clear.
      checkStep_ = kStepSecuring;
      inClear_ = false;
      parts_.output.AppendTrace(received);
      StartWatchdog();
      return parts_.socket.StartTls();
    case kStepSecuring:
      // The socket delivers nothing in clear once TLS has begun; should anything come, it is not believed.
      return EndAfterReply(received, status_text::kTlsFailed);
    case kStepUser:
      if (!ok) {
        return EndAfterReply(received, inClear_ && IsAuthRefusal(reply) ? status_text::kPlainLoginRefused
                                                                        : status_text::kMailboxUnknown);
      }
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
      return EndAfterReply(received, std::wstring(status_text::kUnknownStep) + DecimalText(checkStep_));
  }
}

void Pop3Check::SendUser(const std::wstring& traced) {
  checkStep_ = kStepUser;
  SendPop3Command(traced, L"USER " + parts_.fields.MailboxText() + L"\r\n");
}

void Pop3Check::SendPop3Command(const std::wstring& traced, const std::wstring& commandLine) {
  StartWatchdog();
  parts_.socket.SendData(ToUtf8(commandLine));
  parts_.output.AppendTrace(traced + L"\r\n" + DecimalText(checkStep_) + L" SEND: " + commandLine);
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
  AskForConnectLine();
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
