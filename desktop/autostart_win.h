#pragma once
// The autostart feature on the real system: the current user's Run key, the shell's record of
// the Startup folder, the file system and message boxes.

#include <string>

#include "desktop/autostart.h"

namespace pbw {

class WindowsAutostartSystem : public AutostartSystem {
 public:
  std::wstring StartupFolder() override;
  std::wstring ExePath() override;
  bool FindsOrdinaryFile(const std::wstring& path) override;
  bool ClearFileAttributes(const std::wstring& path) override;
  bool RemoveFile(const std::wstring& path) override;
  void ShowInformation(const std::wstring& text) override;
  bool HasRunEntry(const std::wstring& entryName) override;
  std::wstring RunEntry(const std::wstring& entryName) override;
  void SetRunEntry(const std::wstring& entryName, const std::wstring& commandLine) override;
  void RemoveRunEntry(const std::wstring& entryName) override;
  bool IsRunEntryDisabled(const std::wstring& entryName) override;
  void ClearRunEntryMark(const std::wstring& entryName) override;
};

// For the main window: its load handler and the check box's click handler.
void LoadAutostartState(AutostartCheckBox& box);
void ApplyAutostartState(AutostartCheckBox& box);

}  // namespace pbw
