#pragma once
// Stand-ins for everything the check engine touches, so a session can be stepped by hand.

#include <cstddef>
#include <cstdint>
#include <deque>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "engine/engine_ports.h"
#include "engine/pop3_check.h"

namespace pbw::testing {

class SocketStandIn : public Pop3Socket {
 public:
  void Connect(const std::wstring& host, std::uint16_t port, ConnectionSecurity security) override {
    connects.push_back({host, port, security});
    open = true;
  }
  void SendData(std::string_view bytes) override { sent.emplace_back(bytes); }
  void StartTls() override {
    ++tlsStarts;
    waiting.clear();
  }
  std::string GetData() override { return std::exchange(waiting, {}); }
  void Close() override {
    ++closes;
    open = false;
    waiting.clear();
  }

  struct ConnectCall {
    std::wstring host;
    std::uint16_t port;
    ConnectionSecurity security;
  };
  std::vector<ConnectCall> connects;
  std::vector<std::string> sent;
  std::string waiting;
  int closes = 0;
  int tlsStarts = 0;
  bool open = false;
};

class TimerStandIn : public Timer {
 public:
  void SetEnabled(bool on) override { enabled = on; }
  bool enabled = false;
};

class StatusStandIn : public StatusPanel {
 public:
  void SetText(const std::wstring& text) override { history.push_back(text); }
  std::wstring Text() const { return history.empty() ? std::wstring() : history.back(); }
  std::vector<std::wstring> history;
};

class TraceStandIn : public TraceView {
 public:
  void Replace(const std::wstring& value) override { text = value; }
  void Append(const std::wstring& value) override { text += value; }
  std::wstring text;
};

class FieldsStandIn : public AccountFields {
 public:
  std::wstring ServerText() const override { return server; }
  std::wstring MailboxText() const override { return mailbox; }
  std::wstring PasswordText() const override { return password; }
  std::wstring MailClientText() const override { return mailClient; }
  std::wstring server = L"pop.example.com";
  std::wstring mailbox = L"vorname.nachname@example.com";
  std::wstring password = L"geheim";
  std::wstring mailClient = L"C:\\Mail\\mail.exe";
};

// Remembers what it got; the selected entry is what the schedule reads.
class IntervalListStandIn : public IntervalListView {
 public:
  void AppendEntry(std::wstring_view entry) override { entries.emplace_back(entry); }
  void SelectIndex(std::int16_t index) override { selected = index; }
  std::wstring SelectedEntryText() const override {
    const bool inList = selected >= 0 && static_cast<std::size_t>(selected) < entries.size();
    return inList ? entries[static_cast<std::size_t>(selected)] : std::wstring();
  }

  std::vector<std::wstring> entries;
  std::int16_t selected = -1;
};

// Answers at once, or when told to if `holdsAnswer`; like the real probe, a newer question cancels
// the answer to an older one.
class ProbeStandIn : public ConnectionProbe {
 public:
  void AskConnectionName(Answer answer) override {
    ++questions;
    held = std::move(answer);
    if (!holdsAnswer) GiveAnswer();
  }
  void GiveAnswer() {
    if (held) std::exchange(held, {})(name);
  }
  std::wstring name = L"DSL";
  bool holdsAnswer = false;
  Answer held;
  int questions = 0;
};

class ClockStandIn : public Clock {
 public:
  std::wstring TimeOfDayText() override { return time; }
  std::wstring time = L"14:05:09";
};

class StarterStandIn : public ProgramStarter {
 public:
  bool StartProgram(const std::wstring& commandLine) override {
    started.push_back(commandLine);
    return succeeds;
  }
  void DefaultBeep() override { ++beeps; }
  std::vector<std::wstring> started;
  bool succeeds = true;
  int beeps = 0;
};

// Watchdog ticks as the real timer delivers them: none while it is disabled.
inline void DeliverTicks(Pop3Check& check, const TimerStandIn& tick, int count) {
  for (int i = 0; i < count && tick.enabled; ++i) check.Tick_Timer();
}

// A whole engine on stand-ins.
struct EngineRig {
  SocketStandIn socket;
  TimerStandIn tick;
  StatusStandIn status;
  TraceStandIn trace;
  StatusAndTrace output{status, trace};
  FieldsStandIn fields;
  ProbeStandIn probe;
  ClockStandIn clock;
  StarterStandIn starter;
  Pop3Check check{{socket, tick, output, fields, probe, clock, starter}};

  // The server sends bytes; the socket notifies the engine.
  void Receive(const std::string& bytes) {
    socket.waiting += bytes;
    check.Pop3Sock_DataArrival(static_cast<std::int32_t>(socket.waiting.size()));
  }
  void Ticks(int count) { DeliverTicks(check, tick, count); }
};

}  // namespace pbw::testing
