#pragma once
// Start with Windows: the "&Autostart" check box tells whether Windows will start the program, that
// is whether the current user's Run entry exists and is not turned off in the system's list of
// start-up programs; an old shortcut in the Startup folder is replaced by such an entry at start-up.

#include <string>

namespace pbw {

// The check box as the main window holds it.
class AutostartCheckBox {
 public:
  virtual ~AutostartCheckBox() = default;
  // 0 unticked, 1 ticked, 2 greyed (counts as ticked).
  virtual int Value() const = 0;
  // A different value raises the box's click handler before this returns.
  virtual void SetValue(int value) = 0;
  // The text kept with the box; it carries the AutostartReady marker.
  virtual std::wstring Tag() const = 0;
  virtual void SetTag(const std::wstring& tag) = 0;
};

// What the autostart feature needs from the system.
class AutostartSystem {
 public:
  virtual ~AutostartSystem() = default;
  // The user's Startup folder as the shell records it; empty when it is not recorded.
  virtual std::wstring StartupFolder() = 0;
  virtual std::wstring ExePath() = 0;
  // Ordinary files only: hidden and system files and folders are not found.
  virtual bool FindsOrdinaryFile(const std::wstring& path) = 0;
  // Each is false when it failed.
  virtual bool ClearFileAttributes(const std::wstring& path) = 0;
  virtual bool RemoveFile(const std::wstring& path) = 0;
  // An information message with one OK button; returns once the user has closed it.
  virtual void ShowInformation(const std::wstring& text) = 0;
  // The current user's "Run" entries.
  virtual bool HasRunEntry(const std::wstring& entryName) = 0;
  // The entry's command line; empty when there is none.
  virtual std::wstring RunEntry(const std::wstring& entryName) = 0;
  virtual void SetRunEntry(const std::wstring& entryName, const std::wstring& commandLine) = 0;
  virtual void RemoveRunEntry(const std::wstring& entryName) = 0;
  // Whether the user turned the entry off in the system's list of start-up programs, which keeps
  // the entry and marks it disabled; without a mark the entry runs.
  virtual bool IsRunEntryDisabled(const std::wstring& entryName) = 0;
  virtual void ClearRunEntryMark(const std::wstring& entryName) = 0;
};

// The word the Run entry adds after the program path: a start at log-on, not by the user.
inline constexpr wchar_t kAutostartOption[] = L"/AUTOSTART";
inline constexpr wchar_t kAutostartReady[] = L"OK";

// The Run entry's data. The path is quoted: unquoted, a path with blanks would let Windows try
// its leading parts (C:\Program.exe) as programs first.
std::wstring AutostartCommandLine(const std::wstring& exePath);

// Once, while the main window loads; afterwards the box's clicks count as the user's choice. An
// entry with this program's path unquoted, as older versions wrote it, is rewritten quoted.
void LoadAutostartState(AutostartCheckBox& box, AutostartSystem& system);

// From the box's click handler: writes or removes the Run entry once the box is ready.
void ApplyAutostartState(AutostartCheckBox& box, AutostartSystem& system);

}  // namespace pbw
