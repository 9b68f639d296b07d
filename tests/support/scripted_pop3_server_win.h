#pragma once
// A POP3 server for the tests: listens on a loopback address, takes one connection and plays a
// script on a thread of its own, recording every byte the client sends.

#include <winsock2.h>
#include <windows.h>

#include <atomic>
#include <cstdint>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "common/unique_handle_win.h"
#include "engine/winsock_session_win.h"

namespace pbw::testing {

class ScriptedPop3Server {
 public:
  struct Step {
    enum class Kind { kSend, kExpectLine, kPause, kStaySilent, kReset, kClose } kind;
    std::string bytes;
  };
  static Step Send(std::string bytes) { return {Step::Kind::kSend, std::move(bytes)}; }
  // Reads one line (up to and including LF); the script breaks off when it differs.
  static Step ExpectLine(std::string line) { return {Step::Kind::kExpectLine, std::move(line)}; }
  // Waits until the test calls Proceed().
  static Step Pause() { return {Step::Kind::kPause, {}}; }
  static Step StaySilent() { return {Step::Kind::kStaySilent, {}}; }
  // Ends the connection with a reset (SO_LINGER 0) instead of a close.
  static Step Reset() { return {Step::Kind::kReset, {}}; }
  // Ends the connection with an ordinary close, whatever the client has sent.
  static Step Close() { return {Step::Kind::kClose, {}}; }

  // A server that knows no CAPA greets (and so offers no STLS).
  static std::vector<Step> Greeting(std::string greeting) {
    return {Send(std::move(greeting)), ExpectLine("CAPA\r\n"), Send("-ERR unknown command\r\n")};
  }
  // A whole session of such a server: USER `mailbox` and PASS `password` accepted, `listReply` to "LIST 1".
  static std::vector<Step> Session(const std::string& mailbox, const std::string& password, std::string listReply) {
    std::vector<Step> script = Greeting("+OK POP3 bereit\r\n");
    script.insert(script.end(),
                  {ExpectLine("USER " + mailbox + "\r\n"), Send("+OK\r\n"), ExpectLine("PASS " + password + "\r\n"),
                   Send("+OK Logged in.\r\n"), ExpectLine("LIST 1\r\n"), Send(std::move(listReply))});
    return script;
  }

  enum class Loopback { kIPv4, kIPv6 };

  // Port 0 takes a free ephemeral port.
  explicit ScriptedPop3Server(std::vector<Step> script, Loopback loopback = Loopback::kIPv4, std::uint16_t port = 0);
  ~ScriptedPop3Server();
  ScriptedPop3Server(const ScriptedPop3Server&) = delete;
  ScriptedPop3Server& operator=(const ScriptedPop3Server&) = delete;

  bool Listening() const { return port_ != 0; }
  std::uint16_t Port() const { return port_; }
  void Proceed() { ::ReleaseSemaphore(proceed_.get(), 1, nullptr); }

  bool Accepted() const { return accepted_; }
  // Every step has been played, or the script broke off.
  bool Finished() const { return finished_; }
  // Every byte the client sent, in order.
  std::string Received() const;

 private:
  void Run(const std::vector<Step>& script);
  // False when the connection has ended or the script broke off.
  bool Play(UniqueSocket& client, const Step& step, std::string& pending);
  bool SendAll(SOCKET client, const std::string& bytes);
  bool ReadMore(SOCKET client, std::string& pending);
  // Waits for the next network event of `socket`; false when the server is being stopped.
  bool AwaitEvent(SOCKET socket, HANDLE event);
  void Record(const std::string& bytes);

  WinsockSession winsock_;
  UniqueSocket listener_;
  std::uint16_t port_ = 0;
  UniqueKernelHandle stop_;
  UniqueKernelHandle proceed_;
  UniqueKernelHandle clientEvent_;  // the server thread's own
  std::atomic<bool> accepted_ = false;
  std::atomic<bool> finished_ = false;
  mutable std::mutex mutex_;
  std::string received_;
  std::thread thread_;
};

// A port on 127.0.0.1 that is taken but where nothing listens: every connection is refused.
class RefusingPort {
 public:
  RefusingPort();
  std::uint16_t Port() const { return port_; }

 private:
  WinsockSession winsock_;
  UniqueSocket socket_;
  std::uint16_t port_ = 0;
};

}  // namespace pbw::testing
