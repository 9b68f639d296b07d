#include "settings/mailbox_settings.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "engine/server_address.h"
#include "settings/interval_choices.h"
#include "tests/support/engine_stand_ins.h"
#include "tests/support/settings_stand_ins.h"

namespace pbw {
namespace {

using testing::Cp1252CodePage;
using testing::IntervalListStandIn;
using testing::MemorySettingsStore;

class MailboxSettingsTest : public ::testing::Test {
 protected:
  MailboxSettings Load() { return LoadSettings(store, scrambler); }
  void Save(const MailboxSettings& settings) { SaveSettings(store, scrambler, settings); }
  std::int16_t SelectedInterval() {
    IntervalListStandIn list;
    FillIntervalList(list, store);
    return list.selected;
  }

  MemorySettingsStore store;
  SystemSeededRandom random;
  Cp1252CodePage codePage;
  PasswordScrambler scrambler{random, codePage};
};

TEST_F(MailboxSettingsTest, EmptyStoreGivesTheExamplesAndFiveMinutes) {
  const MailboxSettings settings = Load();
  EXPECT_EQ(settings.ServerName, L"pop.example.com");
  EXPECT_EQ(settings.PostfachName, L"vorname.nachname@example.com");
  EXPECT_EQ(settings.Passwort, L"");
  EXPECT_EQ(settings.MailClient, L"");

  IntervalListStandIn list;
  FillIntervalList(list, store);
  EXPECT_EQ(list.entries, (std::vector<std::wstring>{L"1", L"2", L"3", L"4", L"5", L"6", L"7", L"8", L"9", L"10", L"15",
                                                     L"20", L"25", L"30", L"40", L"50", L"60"}));
  EXPECT_EQ(list.selected, 4);
  EXPECT_TRUE(store.writtenKeys.empty());
}

TEST_F(MailboxSettingsTest, KeptPortMovesIntoTheServerTextForGood) {
  store.values = {{L"POP3", L"mail.example.net"}, {L"PORT", L"995"}};
  EXPECT_EQ(Load().ServerName, L"mail.example.net:995");

  Save(Load());
  EXPECT_EQ(store.values[L"POP3"], L"mail.example.net:995");
  EXPECT_EQ(store.values[L"PORT"], L"110");
  EXPECT_EQ(Load().ServerName, L"mail.example.net:995");
}

// The engine connects to the port the user had, also after the next save.
TEST_F(MailboxSettingsTest, KeptPortIsNeverLostBesideAnAddressOrAServerTextWithItsOwnPort) {
  struct Case {
    std::wstring_view server;
    std::wstring_view port;
    std::wstring_view loaded;
    std::wstring_view host;
    std::uint16_t enginePort;
  };
  const Case cases[] = {
      {L"2001:db8::1", L"995", L"[2001:db8::1]:995", L"2001:db8::1", 995},
      {L"[2001:db8::1]", L"995", L"[2001:db8::1]:995", L"2001:db8::1", 995},
      {L"pop.example.org:995", L"25", L"pop.example.org:995", L"pop.example.org", 995},
      {L"[::1]:2110", L"995", L"[::1]:2110", L"::1", 2110},
      {L"pop.example.org:110", L"995", L"pop.example.org:110", L"pop.example.org", 110},
      {L" pop.example.org ", L"995", L"pop.example.org:995", L"pop.example.org", 995},
  };
  for (const auto& c : cases) {
    store.values = {{L"POP3", std::wstring(c.server)}, {L"PORT", std::wstring(c.port)}};
    const std::wstring loaded = Load().ServerName;
    EXPECT_EQ(loaded, c.loaded) << std::wstring(c.server).c_str();
    Save(Load());
    EXPECT_EQ(Load().ServerName, loaded) << std::wstring(c.server).c_str();
    const ServerAddress address = SplitServerAddress(Load().ServerName);
    EXPECT_EQ(address.host, c.host) << std::wstring(c.server).c_str();
    EXPECT_EQ(address.port, c.enginePort) << std::wstring(c.server).c_str();
  }
}

TEST_F(MailboxSettingsTest, OnlyPortsFrom1To32767Other110AreAppended) {
  struct Case {
    std::wstring_view port;
    std::wstring_view server;
  };
  const Case cases[] = {
      {L"0", L"pop.example.org"},           {L"-1", L"pop.example.org"},           {L"32767", L"pop.example.org:32767"},
      {L"32768", L"pop.example.org"},       {L"abc", L"pop.example.org"},          {L"2.5e", L"pop.example.org:2"},
      {L"110", L"pop.example.org"},         {L"110.4", L"pop.example.org"},        {L"1", L"pop.example.org:1"},
      {L" 995x", L"pop.example.org:995"},   {L"3.5", L"pop.example.org:4"},        {L"", L"pop.example.org"},
      {L"99999999999", L"pop.example.org"}, {L"-99999999999", L"pop.example.org"},
  };
  for (const auto& c : cases) {
    store.values = {{L"POP3", L"pop.example.org"}, {L"PORT", std::wstring(c.port)}};
    EXPECT_EQ(Load().ServerName, c.server) << std::wstring(c.port).c_str();
  }
}

TEST_F(MailboxSettingsTest, StoredIntervalIndexSelectsItsEntryOrFiveMinutes) {
  struct Case {
    std::wstring_view time;
    std::int16_t selected;
  };
  const Case cases[] = {{L"16", 16},  {L"17", 4}, {L"-1", 4},    {L"abc", 0},        {L"2.5", 2},
                        {L"3.5", 4},  {L"0", 0},  {L"", 0},      {L"15.5", 16},      {L"16.5", 16},
                        {L"-0.5", 0}, {L" 7", 7}, {L"65536", 4}, {L"99999999999", 4}};
  for (const auto& c : cases) {
    store.values = {{L"TIME", std::wstring(c.time)}};
    EXPECT_EQ(SelectedInterval(), c.selected) << std::wstring(c.time).c_str();
  }
}

TEST_F(MailboxSettingsTest, SaveTrimsServerAndMailboxOnlyAndWritesEveryKeyInOrder) {
  Save({L"  host.example.org  ", L" name@example.org ", L" geheim ", L"C:\\Programme\\Mail\\mail.exe ", 16});

  EXPECT_EQ(store.writtenKeys, (std::vector<std::wstring>{L"POP3", L"PORT", L"MBOX", L"PASS", L"CLIENT", L"TIME"}));
  EXPECT_EQ(store.values[L"POP3"], L"host.example.org");
  EXPECT_EQ(store.values[L"MBOX"], L"name@example.org");
  EXPECT_EQ(store.values[L"CLIENT"], L"C:\\Programme\\Mail\\mail.exe ");
  EXPECT_EQ(store.values[L"TIME"], L"16");
  EXPECT_EQ(store.values[L"PASS"].size(), 4u * 8 + 4);

  const MailboxSettings loaded = Load();
  EXPECT_EQ(loaded.Passwort, L" geheim ");
  EXPECT_EQ(loaded.MailClient, L"C:\\Programme\\Mail\\mail.exe ");
  EXPECT_EQ(SelectedInterval(), 16);
}

TEST_F(MailboxSettingsTest, AllBlankTextsAreSavedEmpty) {
  Save({L"   ", L" ", L"", L"", -1});
  EXPECT_EQ(store.values[L"POP3"], L"");
  EXPECT_EQ(store.values[L"MBOX"], L"");
  EXPECT_EQ(store.values[L"TIME"], L"-1");
  EXPECT_EQ(SelectedInterval(), 4);
}

TEST_F(MailboxSettingsTest, UnicodeTextsRoundTrip) {
  const MailboxSettings saved{L"pöp.例え.example", L"Пароль€😀@example.com", L"Пароль€😀", L"C:\\Пошта 😀\\mail.exe ", 7};
  Save(saved);
  const MailboxSettings loaded = Load();
  EXPECT_EQ(loaded.ServerName, saved.ServerName);
  EXPECT_EQ(loaded.PostfachName, saved.PostfachName);
  EXPECT_EQ(loaded.Passwort, saved.Passwort);
  EXPECT_EQ(loaded.MailClient, saved.MailClient);
  EXPECT_EQ(SelectedInterval(), 7);
}

// A value put in by hand as another type: an expandable string reads as its text, a number not at
// all; neither is replaced at save unless its setting changed.
TEST_F(MailboxSettingsTest, AValueOfAnotherTypeIsKeptUnlessItsSettingChanged) {
  struct Case {
    std::wstring_view key;
    std::optional<std::wstring_view> text;  // nothing: not readable as text
    void (*change)(MailboxSettings&);       // nullptr: saved as loaded
    bool written;
  };
  const auto newClient = [](MailboxSettings& s) { s.MailClient = L"C:\\mail.exe"; };
  const Case cases[] = {
      {L"CLIENT", std::nullopt, nullptr, false},
      {L"CLIENT", L"%ProgramFiles%\\Mail\\mail.exe", nullptr, false},
      {L"CLIENT", std::nullopt, newClient, true},
      {L"CLIENT", L"%ProgramFiles%\\Mail\\mail.exe", newClient, true},
      {L"PASS", std::nullopt, nullptr, false},
      {L"PASS", std::nullopt, [](MailboxSettings& s) { s.Passwort = L"neu"; }, true},
      {L"MBOX", std::nullopt, nullptr, false},
      {L"PORT", std::nullopt, nullptr, false},
      {L"TIME", std::nullopt, nullptr, false},
      {L"TIME", std::nullopt, [](MailboxSettings& s) { s.IntervalIndex = 7; }, true},
      {L"POP3", std::nullopt, nullptr, true},  // the kept port moved into it
      {L"POP3", L"pop.example.org:995", nullptr, false},
  };
  for (const auto& c : cases) {
    const std::wstring key(c.key);
    store.values = {{L"PORT", L"995"}};
    store.values.erase(key);
    if (c.text) store.values[key] = std::wstring(*c.text);
    store.otherTypes = {key};
    store.writtenKeys.clear();
    MailboxSettings settings = Load();
    settings.IntervalIndex = SelectedInterval();
    if (c.change) c.change(settings);
    Save(settings);
    EXPECT_EQ(std::count(store.writtenKeys.begin(), store.writtenKeys.end(), key), c.written ? 1 : 0) << key.c_str();
    EXPECT_EQ(store.writtenKeys.size(), 5u + (c.written ? 1 : 0)) << key.c_str();
    if (!c.written) {
      EXPECT_EQ(store.ReadValue(key), c.text ? std::optional<std::wstring>(*c.text) : std::nullopt) << key.c_str();
    }
  }
}

TEST_F(MailboxSettingsTest, GarbageInEveryKeyStillLoadsAndSettlesAfterOneSave) {
  store.values = {{L"POP3", L"  pop.example.org  "}, {L"PORT", L"x1"},     {L"MBOX", L"\u2400"},
                  {L"PASS", L"Hallo Welt!"},         {L"CLIENT", L"\"\""}, {L"TIME", L"1e99"}};
  const MailboxSettings first = Load();
  EXPECT_EQ(first.ServerName, L"  pop.example.org  ");
  EXPECT_EQ(first.PostfachName, L"\u2400");
  EXPECT_EQ(first.Passwort.size(), 2u);
  EXPECT_EQ(first.MailClient, L"\"\"");
  EXPECT_EQ(SelectedInterval(), 1);

  Save(first);
  const MailboxSettings second = Load();
  EXPECT_EQ(second.ServerName, L"pop.example.org");
  EXPECT_EQ(second.Passwort, first.Passwort);
  EXPECT_EQ(second.MailClient, first.MailClient);
}

}  // namespace
}  // namespace pbw
