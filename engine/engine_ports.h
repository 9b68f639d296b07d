#pragma once
// What the check engine needs from the window that owns it. The main window supplies the real
// components; tests supply stand-ins, so the whole session can be stepped without a network or a clock.

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "engine/tls_outcome.h"

namespace pbw {

// Implicit TLS: the secure channel is set up right after the TCP connection, before any POP3 byte.
// A plain connection may still turn secure when the session asks for it (StartTls).
enum class ConnectionSecurity { kPlain, kImplicitTls };

// What the socket reports of a secure connection's set-up (and of a record it cannot read):
// the facts once it is established, or a failure with the system's code for the trace.
struct TlsReport {
  TlsOutcome outcome = TlsOutcome::kFailed;
  std::uint32_t code = 0;
  TlsConnectionFacts facts;
};

// The TCP client: Connect returns at once; data and TLS reports arrive later as notifications to the owner.
class Pop3Socket {
 public:
  virtual ~Pop3Socket() = default;
  virtual void Connect(const std::wstring& host, std::uint16_t port, ConnectionSecurity security) = 0;
  virtual void SendData(std::string_view bytes) = 0;
  // Sets up TLS on the open plain connection, as implicit TLS does right after connecting; reported
  // like it. Bytes that arrived in clear and have not been taken are dropped: once the server has
  // agreed, nothing it sends in clear is believed.
  virtual void StartTls() = 0;
  // Takes every byte that has arrived and not yet been taken.
  virtual std::string GetData() = 0;
  // Harmless in every state; afterwards nothing of the old connection is delivered.
  virtual void Close() = 0;
};

class Timer {
 public:
  virtual ~Timer() = default;
  virtual void SetEnabled(bool enabled) = 0;
};

// Panel 1 of the status bar.
class StatusPanel {
 public:
  virtual ~StatusPanel() = default;
  virtual void SetText(const std::wstring& text) = 0;
};

// The trace box: replaced at a session's start, then only appended to, showing its end.
class TraceView {
 public:
  virtual ~TraceView() = default;
  virtual void Replace(const std::wstring& text) = 0;
  virtual void Append(const std::wstring& text) = 0;
};

// The account fields of the main window, read at the moment of use.
class AccountFields {
 public:
  virtual ~AccountFields() = default;
  virtual std::wstring ServerText() const = 0;
  virtual std::wstring MailboxText() const = 0;
  virtual std::wstring PasswordText() const = 0;
  virtual std::wstring MailClientText() const = 0;
};

// The main window's drop-down list of check intervals: filled from the settings at the start, read
// by the schedule at every tick.
class IntervalListView {
 public:
  virtual ~IntervalListView() = default;
  virtual void AppendEntry(std::wstring_view entry) = 0;
  virtual void SelectIndex(std::int16_t index) = 0;
  // The text of the selected entry, e.g. "15"; empty when none is selected.
  virtual std::wstring SelectedEntryText() const = 0;
};

class ConnectionProbe {
 public:
  using Answer = std::function<void(const std::wstring& name)>;
  virtual ~ConnectionProbe() = default;
  // Asks for the active Internet connection's name, empty when there is none usable, and returns at
  // once: the operating system may be slow to tell. `answer` gets the name later on this thread; a
  // newer question cancels the answer to an older one, and none comes once the probe has gone.
  virtual void AskConnectionName(Answer answer) = 0;
};

class Clock {
 public:
  virtual ~Clock() = default;
  // The time of day in the user's format, without a date.
  virtual std::wstring TimeOfDayText() = 0;
};

class ProgramStarter {
 public:
  virtual ~ProgramStarter() = default;
  // Starts a program in a normal window with focus, without waiting; false when it cannot start.
  virtual bool StartProgram(const std::wstring& commandLine) = 0;
  virtual void DefaultBeep() = 0;
};

}  // namespace pbw
