#pragma once
// What the baseline clients say in one session, after the greeting: the same as a check; and how
// the benchmark paces them.

#include <windows.h>

#include <cstdlib>
#include <string>

namespace pbw::bench {

inline constexpr const char* kClientCommands[] = {"CAPA\r\n", "USER bench\r\n", "PASS bench\r\n", "LIST 1\r\n"};
inline constexpr int kClientCommandCount = 4;

// With a third argument each session waits until the benchmark sets the named event, so that its
// sessions take turns with PBW.exe's checks under the same load.
class SessionPacer {
 public:
  SessionPacer(int argc, char** argv) : go_(argc > 3 ? ::OpenEventA(SYNCHRONIZE, FALSE, argv[3]) : nullptr) {}
  ~SessionPacer() {
    if (go_) ::CloseHandle(go_);
  }
  SessionPacer(const SessionPacer&) = delete;
  SessionPacer& operator=(const SessionPacer&) = delete;
  void AwaitTurn() const {
    if (go_) ::WaitForSingleObject(go_, 60000);
  }

 private:
  HANDLE go_;
};

}  // namespace pbw::bench
