#include "desktop/autostart.h"

#include "common/text_helpers.h"
#include "desktop/program_location.h"
#include "resources/program_identity.h"

namespace pbw {

namespace {

// Older versions wrote the path without quotes; Windows would go on splitting it at its blanks.
void QuoteOldRunEntry(AutostartSystem& system) {
  const std::wstring exePath = system.ExePath();
  if (EqualIgnoringAsciiCase(system.RunEntry(kRunEntryName), exePath + L" " + kAutostartOption)) {
    system.SetRunEntry(kRunEntryName, AutostartCommandLine(exePath));
  }
}

}  // namespace

std::wstring AutostartCommandLine(const std::wstring& exePath) { return L"\"" + exePath + L"\" " + kAutostartOption; }

void LoadAutostartState(AutostartCheckBox& box, AutostartSystem& system) {
  const std::wstring folder = system.StartupFolder();
  const std::wstring shortcut = AddTrailingBackslash(folder) + kRunEntryName + L".lnk";
  if (!folder.empty() && system.FindsOrdinaryFile(shortcut)) {
    // Retire the old way of starting with Windows. A shortcut that stays is found again at the
    // next start; the Run entry is written all the same.
    if (!system.ClearFileAttributes(shortcut)) system.ShowInformation(L"Attribute nicht löschbar: " + shortcut);
    if (!system.RemoveFile(shortcut)) system.ShowInformation(L"Datei nicht löschbar: " + shortcut);
    // Ready first, so that ticking the box writes the entry.
    box.SetTag(kAutostartReady);
    box.SetValue(1);
  } else {
    const bool hasEntry = system.HasRunEntry(kRunEntryName);
    if (hasEntry) QuoteOldRunEntry(system);
    // Ready only afterwards: showing the existing entry is not the user's choice.
    box.SetValue(hasEntry && !system.IsRunEntryDisabled(kRunEntryName) ? 1 : 0);
    box.SetTag(kAutostartReady);
  }
}

void ApplyAutostartState(AutostartCheckBox& box, AutostartSystem& system) {
  if (box.Tag().empty()) return;
  if (box.Value() != 0) {
    // Written anew each time, so the entry follows a program that has moved.
    system.SetRunEntry(kRunEntryName, AutostartCommandLine(system.ExePath()));
  } else {
    system.RemoveRunEntry(kRunEntryName);
  }
  // A ticked box turns a disabled entry on again; an unticked one leaves no mark behind.
  system.ClearRunEntryMark(kRunEntryName);
}

}  // namespace pbw
