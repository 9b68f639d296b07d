#pragma once
// Winsock is usable for as long as one of these lives (WSAStartup and WSACleanup are counted).

#include <winsock2.h>

namespace pbw {

class WinsockSession {
 public:
  WinsockSession() {
    WSADATA data{};
    started_ = ::WSAStartup(MAKEWORD(2, 2), &data) == 0;
  }
  ~WinsockSession() {
    if (started_) ::WSACleanup();
  }
  WinsockSession(const WinsockSession&) = delete;
  WinsockSession& operator=(const WinsockSession&) = delete;

 private:
  bool started_ = false;
};

}  // namespace pbw
