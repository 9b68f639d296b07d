#pragma once
// The reports of the benchmark's native POP3 server (bench/timing_server.py): one per session, in
// the order of the sessions, read from its report port on 127.0.0.1.

#include <winsock2.h>

#include <cstdint>
#include <optional>
#include <string>

#include "common/unique_handle_win.h"
#include "engine/winsock_session_win.h"

namespace pbw::bench {

// The server-side times of one session, in milliseconds from accept; the first is negative when the
// session never got to LIST.
struct SessionTimes {
  double toList = -1;
  double toClose = -1;
};

class SessionReports {
 public:
  // Waits up to `limitMs` for each report.
  SessionReports(std::uint16_t reportPort, DWORD limitMs);

  bool Connected() const { return static_cast<bool>(socket_); }
  // The report of the next session to end, once it has ended; none after the wait's limit.
  std::optional<SessionTimes> Next();

 private:
  WinsockSession winsock_;
  UniqueSocket socket_;
  std::string pending_;
};

}  // namespace pbw::bench
