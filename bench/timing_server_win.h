#pragma once
// The benchmark's POP3 server on 127.0.0.1: serves one session after another, answers every line at
// once ("+OK"; "-ERR" to CAPA and to LIST: no STLS offered, an empty mailbox) and logs each
// session's server-side time, from accept to the answer to LIST.

#include <winsock2.h>
#include <windows.h>

#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <thread>
#include <vector>

#include "common/unique_handle_win.h"
#include "engine/winsock_session_win.h"

namespace pbw::bench {

class TimingServer {
 public:
  TimingServer();
  ~TimingServer();
  TimingServer(const TimingServer&) = delete;
  TimingServer& operator=(const TimingServer&) = delete;

  std::uint16_t Port() const { return port_; }
  // Waits until `count` sessions have ended (the client closed) since the start; false after `limitMs`.
  bool WaitForSessions(std::size_t count, DWORD limitMs) const;
  // Milliseconds from accept to the answer to LIST, of every session that got that far.
  std::vector<double> SessionTimes() const;
  std::size_t SessionsEnded() const;

 private:
  void Run();
  void Serve(SOCKET client);

  WinsockSession winsock_;
  UniqueSocket listener_;
  std::uint16_t port_ = 0;
  std::atomic<bool> stopping_ = false;
  std::atomic<SOCKET> current_ = INVALID_SOCKET;
  mutable std::mutex mutex_;
  mutable std::condition_variable ended_;
  std::vector<double> times_;
  std::size_t sessionsEnded_ = 0;
  std::thread thread_;
};

}  // namespace pbw::bench
