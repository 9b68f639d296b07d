#include "settings/mailbox_settings.h"

#include "common/text_helpers.h"
#include "engine/server_address.h"
#include "settings/interval_choices.h"
#include "settings/settings_keys.h"

namespace pbw {
namespace {

// The port was once a setting of its own. Its key is still written, always with the POP3 port, and
// a port other than that found there when loading moves into the server text, unless that text
// names a port of its own (it is the newer one).
constexpr std::int32_t kHighestMovedPort = 32767;

std::wstring StoredPassword(const SettingsStore& store, PasswordScrambler& scrambler) {
  return scrambler.ConvertPassword(ReadSetting(store, settings_key::kPassword, L""), false);
}

}  // namespace

MailboxSettings LoadSettings(const SettingsStore& store, PasswordScrambler& scrambler) {
  MailboxSettings settings;
  settings.ServerName = ReadSetting(store, settings_key::kServer, settings_key::kDefaultServer);
  const auto port = ReadNumberSetting(store, settings_key::kPort, kDefaultPop3Port);
  if (port && *port != kDefaultPop3Port && *port >= 1 && *port <= kHighestMovedPort) {
    const ServerAddress address = SplitServerAddress(settings.ServerName);
    if (!address.portGiven) settings.ServerName = ComposeServerAddress(address.host, static_cast<std::uint16_t>(*port));
  }
  settings.PostfachName = ReadSetting(store, settings_key::kMailbox, settings_key::kDefaultMailbox);
  settings.Passwort = StoredPassword(store, scrambler);
  settings.MailClient = ReadSetting(store, settings_key::kMailClient, L"");
  return settings;
}

void SaveSettings(SettingsStore& store, PasswordScrambler& scrambler, const MailboxSettings& settings) {
  // A value put in by hand as another type loads as its text or as the default. It stays as it is
  // unless what would be written differs from what it loads as (the user changed the setting).
  const auto save = [&store](std::wstring_view key, bool asLoaded, const auto& value) {
    if (!asLoaded || !store.HoldsOtherType(key)) WriteSetting(store, key, value);
  };
  save(settings_key::kServer,
       settings.ServerName == ReadSetting(store, settings_key::kServer, settings_key::kDefaultServer),
       TrimSpaces(settings.ServerName));
  save(settings_key::kPort, ReadNumberSetting(store, settings_key::kPort, kDefaultPop3Port) == kDefaultPop3Port,
       std::int32_t{kDefaultPop3Port});
  save(settings_key::kMailbox,
       settings.PostfachName == ReadSetting(store, settings_key::kMailbox, settings_key::kDefaultMailbox),
       TrimSpaces(settings.PostfachName));
  save(settings_key::kPassword, settings.Passwort == StoredPassword(store, scrambler),
       scrambler.ConvertPassword(settings.Passwort, true));
  save(settings_key::kMailClient, settings.MailClient == ReadSetting(store, settings_key::kMailClient, L""),
       settings.MailClient);
  save(settings_key::kInterval, settings.IntervalIndex == StoredIntervalIndex(store),
       std::int32_t{settings.IntervalIndex});
}

}  // namespace pbw
