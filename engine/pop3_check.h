#pragma once
// One POP3 check at a time: connect, greeting, USER, PASS, "LIST 1", judged by "+OK". On a plain
// connection the greeting is followed by CAPA, and by STLS and TLS when the server offers it.
// Driven entirely by events on the user-interface thread: the start, data notifications, the
// connection probe's answer and the one-second ticks of the reply watchdog. Nothing here waits.
// The probe is asked for the trace's connect line once the session has ended: under Wine its
// answer costs the system services far more than the whole exchange with the server, and asked
// beside the session it would slow the session down.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "engine/engine_ports.h"
#include "engine/status_trace.h"

namespace pbw {

// True when the reply, without leading and trailing blanks (U+0020 only), begins with "+OK".
bool IsOkReply(std::wstring_view reply);

struct Pop3CheckParts {
  Pop3Socket& socket;
  Timer& tick;
  StatusAndTrace& output;
  AccountFields& fields;
  ConnectionProbe& probe;
  Clock& clock;
  ProgramStarter& starter;
};

class Pop3Check {
 public:
  static constexpr std::int32_t kWatchdogLimit = 90;
  // A reply is complete at its first line end (a positive reply to CAPA at its line "."); a server
  // that sends no end is cut off here.
  static constexpr std::size_t kMaxReplyBytes = 4096;

  static constexpr std::int32_t kStepGreeting = 1000;
  static constexpr std::int32_t kStepUser = 1001;
  static constexpr std::int32_t kStepPass = 1002;
  static constexpr std::int32_t kStepList = 1003;
  static constexpr std::int32_t kStepCapa = 1010;
  static constexpr std::int32_t kStepStls = 1011;
  // The server agreed to STLS: waiting for the secure channel.
  static constexpr std::int32_t kStepSecuring = 1012;

  explicit Pop3Check(const Pop3CheckParts& parts) : parts_(parts) {}

  // Begins a new session, abandoning one that is still running.
  void StartPop3Check();
  // The socket's data notification.
  void Pop3Sock_DataArrival(std::int32_t bytesTotal);
  // The socket's report on its secure channel: traced, and a failure ends the session at once.
  void Pop3Sock_TlsReport(const TlsReport& report);
  // The watchdog timer's tick.
  void Tick_Timer();

  std::int32_t CheckStep() const { return checkStep_; }
  // Sessions begun since the program started.
  std::uint32_t SessionsBegun() const { return sessionsBegun_; }
  std::int32_t WatchdogTicks() const { return watchdogTicks_; }

 private:
  bool ReplyComplete() const;
  void HandlePop3Reply(std::string_view bytes);
  void SendUser(const std::wstring& traced);
  // Sends the command, then traces what led to it (the reply it answers) and the command.
  void SendPop3Command(const std::wstring& traced, const std::wstring& commandLine);
  void EndAfterReply(const std::wstring& received, std::wstring_view outcome);
  void EndPop3Session(std::wstring_view outcome);
  // Asks the probe for the name in the connect line of the session that has ended.
  void AskForConnectLine();
  void StartMailClient();
  void StartWatchdog();
  void StopWatchdog();

  Pop3CheckParts parts_;
  std::int32_t checkStep_ = 0;
  std::int32_t watchdogTicks_ = 0;
  // The session runs on a plain connection that has not (yet) turned secure.
  bool inClear_ = false;
  std::uint32_t sessionsBegun_ = 0;
  // Bytes of a reply whose line end has not arrived yet.
  std::string pendingReply_;
  // What the connect line of the running session tells besides the connection's name.
  struct ConnectLineStart {
    std::wstring server;
    std::uint16_t port = 0;
    std::wstring time;
  };
  std::optional<ConnectLineStart> connectLineStart_;
};

}  // namespace pbw
