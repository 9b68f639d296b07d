#pragma once
// The account settings of the one watched mailbox. Their live copy is the main window's fields;
// the store holds what was there when the window last unloaded.

#include <cstdint>
#include <string>

#include "settings/password_scrambler.h"
#include "settings/settings_store.h"

namespace pbw {

struct MailboxSettings {
  // Host name, possibly followed by ":" and a port number.
  std::wstring ServerName;
  std::wstring PostfachName;
  // In clear.
  std::wstring Passwort;
  std::wstring MailClient;
  // Into IntervalChoices; -1 while nothing is selected.
  std::int16_t IntervalIndex = -1;
};

// Everything but the interval, which FillIntervalList selects in the list. A port kept under its
// own key from older versions is moved into the server text ("[2001:db8::1]:995" for an IPv6
// address), unless that text already ends in a port of its own.
MailboxSettings LoadSettings(const SettingsStore& store, PasswordScrambler& scrambler);

// Writes every key: the server and mailbox without surrounding blanks, the password scrambled
// afresh, the rest as it is. A value of another type than the store writes (put there by hand) is
// replaced only when its setting no longer is what that value loads as.
void SaveSettings(SettingsStore& store, PasswordScrambler& scrambler, const MailboxSettings& settings);

}  // namespace pbw
