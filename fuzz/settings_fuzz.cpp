// The settings: whatever the store holds, load → save → load settles, the interval index stays in
// range, and the port that load moves into the server text is the one the engine connects to.

#include <array>
#include <random>

#include "engine/server_address.h"
#include "fuzz/fuzz_input.h"
#include "settings/interval_choices.h"
#include "settings/mailbox_settings.h"
#include "settings/settings_keys.h"
#include "tests/support/engine_stand_ins.h"
#include "tests/support/plain_settings_stand_ins.h"

namespace {

using pbw::MailboxSettings;
using pbw::fuzzing::Require;
namespace key = pbw::settings_key;

class CountingRandom : public pbw::RandomSource {
 public:
  std::uint32_t Below(std::uint32_t count) override { return next_++ % count; }

 private:
  std::uint32_t next_ = 0;
};

struct Settings {
  pbw::testing::MemorySettingsStore store;
  CountingRandom random;
  pbw::testing::Cp1252CodePage codePage;
  pbw::PasswordScrambler scrambler{random, codePage};

  MailboxSettings Load() {
    MailboxSettings settings = pbw::LoadSettings(store, scrambler);
    pbw::testing::IntervalListStandIn list;
    pbw::FillIntervalList(list, store);
    settings.IntervalIndex = list.selected;
    return settings;
  }
  void Save(const MailboxSettings& settings) { pbw::SaveSettings(store, scrambler, settings); }
};

bool Same(const MailboxSettings& a, const MailboxSettings& b) {
  return a.ServerName == b.ServerName && a.PostfachName == b.PostfachName && a.Passwort == b.Passwort &&
         a.MailClient == b.MailClient && a.IntervalIndex == b.IntervalIndex;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  pbw::fuzzing::FuzzInput input(data, size);
  Settings settings;
  constexpr std::array keys = {key::kServer,   key::kPort,       key::kMailbox,
                               key::kPassword, key::kMailClient, key::kInterval};
  for (const std::wstring_view name : keys) {
    const std::uint8_t length = input.Byte();
    // An odd length leaves the key out.
    if (length % 2 == 0) settings.store.values.insert_or_assign(std::wstring(name), input.Text(length / 2));
  }

  const MailboxSettings first = settings.Load();
  Require(first.IntervalIndex >= 0 && first.IntervalIndex < static_cast<int>(pbw::IntervalChoices.size()));
  const pbw::ServerAddress stored =
      pbw::SplitServerAddress(pbw::ReadSetting(settings.store, key::kServer, key::kDefaultServer));
  const auto keptPort = pbw::ReadNumberSetting(settings.store, key::kPort, pbw::kDefaultPop3Port);
  const bool moves =
      !stored.portGiven && keptPort && *keptPort != pbw::kDefaultPop3Port && *keptPort >= 1 && *keptPort <= 32767;
  const pbw::ServerAddress loaded = pbw::SplitServerAddress(first.ServerName);
  Require(loaded.host == stored.host);
  Require(loaded.port == (moves ? *keptPort : stored.port));

  settings.Save(first);
  const MailboxSettings second = settings.Load();
  settings.Save(second);
  const MailboxSettings third = settings.Load();
  Require(Same(second, third));
  const pbw::ServerAddress saved = pbw::SplitServerAddress(second.ServerName);
  Require(saved.host == loaded.host && saved.port == loaded.port);
  Require(second.Passwort == first.Passwort && second.MailClient == first.MailClient &&
          second.IntervalIndex == first.IntervalIndex);
  return 0;
}
