#include "settings/mailbox_settings.h"

#include "common/text_helpers.h"
#include "engine/server_address.h"
#include "settings/settings_keys.h"

namespace pbw {
namespace {

// The port was once a setting of its own. Its key is still written, always with the POP3 port, and
// a port other than that found there when loading moves into the server text, unless that text
// names a port of its own (it is the newer one).
constexpr std::int32_t kHighestMovedPort = 32767;

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
  settings.Passwort = scrambler.ConvertPassword(ReadSetting(store, settings_key::kPassword, L""), false);
  settings.MailClient = ReadSetting(store, settings_key::kMailClient, L"");
  return settings;
}

void SaveSettings(SettingsStore& store, PasswordScrambler& scrambler, const MailboxSettings& settings) {
  WriteSetting(store, settings_key::kServer, TrimSpaces(settings.ServerName));
  WriteSetting(store, settings_key::kPort, std::int32_t{kDefaultPop3Port});
  WriteSetting(store, settings_key::kMailbox, TrimSpaces(settings.PostfachName));
  WriteSetting(store, settings_key::kPassword, scrambler.ConvertPassword(settings.Passwort, true));
  WriteSetting(store, settings_key::kMailClient, settings.MailClient);
  WriteSetting(store, settings_key::kInterval, std::int32_t{settings.IntervalIndex});
}

}  // namespace pbw
