#include "settings/registry_settings_store_win.h"

#include <gtest/gtest.h>

#include <vector>

#include "common/unique_handle_win.h"
#include "settings/ansi_code_page_win.h"
#include "settings/interval_choices.h"
#include "settings/mailbox_settings.h"
#include "settings/password_scrambler.h"
#include "settings/random_source.h"
#include "tests/support/engine_stand_ins.h"
#include "tests/support/settings_stand_ins.h"

namespace pbw {
namespace {

// These tests run in a Wine prefix of their own: the application's key is theirs to delete.
// Written out, not taken from the program: where existing users' settings are.
constexpr wchar_t kApplicationKey[] = L"Software\\Trelvik Software";
constexpr wchar_t kSettingsKey[] = L"Software\\Trelvik Software\\PostboxWatchman";

class RegistrySettingsStoreTest : public ::testing::Test {
 protected:
  void SetUp() override { DeleteApplicationKey(); }
  void TearDown() override { DeleteApplicationKey(); }

  static void DeleteApplicationKey() { ::RegDeleteTreeW(HKEY_CURRENT_USER, kApplicationKey); }

  static void PutRawValue(const wchar_t* name, DWORD type, const void* data, DWORD bytes) {
    UniqueKey key;
    ASSERT_EQ(
        ::RegCreateKeyExW(HKEY_CURRENT_USER, kSettingsKey, 0, nullptr, 0, KEY_SET_VALUE, nullptr, key.put(), nullptr),
        ERROR_SUCCESS);
    ASSERT_EQ(::RegSetValueExW(key.get(), name, 0, type, static_cast<const BYTE*>(data), bytes), ERROR_SUCCESS);
  }

  // The type and text of a value as the registry itself holds it.
  static std::pair<DWORD, std::wstring> RawValue(const wchar_t* name) {
    std::vector<wchar_t> buffer(256);
    DWORD type = REG_NONE;
    DWORD bytes = static_cast<DWORD>(buffer.size() * sizeof(wchar_t));
    const LSTATUS status =
        ::RegGetValueW(HKEY_CURRENT_USER, kSettingsKey, name, RRF_RT_ANY | RRF_NOEXPAND, &type, buffer.data(), &bytes);
    if (status != ERROR_SUCCESS) return {REG_NONE, L""};
    return {type, std::wstring(buffer.data())};
  }

  static bool SettingsKeyExists() {
    UniqueKey key;
    return ::RegOpenKeyExW(HKEY_CURRENT_USER, kSettingsKey, 0, KEY_READ, key.put()) == ERROR_SUCCESS;
  }

  RegistrySettingsStore store;
  SystemSeededRandom random;
  AnsiCodePage codePage;
  PasswordScrambler scrambler{random, codePage};
};

TEST_F(RegistrySettingsStoreTest, MissingKeyReadsAsNothingAndLoadsTheDefaults) {
  EXPECT_EQ(store.ReadValue(L"POP3"), std::nullopt);
  const MailboxSettings settings = LoadSettings(store, scrambler);
  EXPECT_EQ(settings.ServerName, L"pop.example.com");
  EXPECT_EQ(settings.Passwort, L"");
  EXPECT_FALSE(SettingsKeyExists());
}

TEST_F(RegistrySettingsStoreTest, UnicodeTextsRoundTripThroughTheRegistry) {
  const MailboxSettings saved{L"pöp.例え.example:995", L"Пароль€😀@example.com", L"Пароль€😀 ",
                              L"C:\\Programme\\Пошта 😀\\mail.exe ", 12};
  SaveSettings(store, scrambler, saved);

  const MailboxSettings loaded = LoadSettings(store, scrambler);
  EXPECT_EQ(loaded.ServerName, saved.ServerName);
  EXPECT_EQ(loaded.PostfachName, saved.PostfachName);
  EXPECT_EQ(loaded.Passwort, saved.Passwort);
  EXPECT_EQ(loaded.MailClient, saved.MailClient);
  testing::IntervalListStandIn list;
  FillIntervalList(list, store);
  EXPECT_EQ(list.selected, 12);
}

TEST_F(RegistrySettingsStoreTest, EveryKeyLandsAsStringValueUnderTheApplicationAndSection) {
  SaveSettings(store, scrambler, {L"pop.example.org", L"name@example.org", L"geheim", L"C:\\mail.exe", 3});

  EXPECT_EQ(RawValue(L"POP3"), std::make_pair(DWORD{REG_SZ}, std::wstring(L"pop.example.org")));
  EXPECT_EQ(RawValue(L"PORT"), std::make_pair(DWORD{REG_SZ}, std::wstring(L"110")));
  EXPECT_EQ(RawValue(L"MBOX"), std::make_pair(DWORD{REG_SZ}, std::wstring(L"name@example.org")));
  EXPECT_EQ(RawValue(L"CLIENT"), std::make_pair(DWORD{REG_SZ}, std::wstring(L"C:\\mail.exe")));
  EXPECT_EQ(RawValue(L"TIME"), std::make_pair(DWORD{REG_SZ}, std::wstring(L"3")));
  const auto [passType, pass] = RawValue(L"PASS");
  EXPECT_EQ(passType, DWORD{REG_SZ});
  EXPECT_EQ(pass.size(), 4u * 6 + 4);
}

TEST_F(RegistrySettingsStoreTest, HandEditedValuesOfOtherTypesReadAsTypedOrNotAtAllAndStayUnlessChanged) {
  const DWORD number = 7;
  const unsigned char bytes[] = {0x41, 0x00, 0xFF};
  const std::wstring client = L"%ProgramFiles%\\Mail\\mail.exe";
  PutRawValue(L"TIME", REG_DWORD, &number, sizeof number);
  PutRawValue(L"PASS", REG_BINARY, bytes, sizeof bytes);
  PutRawValue(L"PORT", REG_BINARY, nullptr, 0);
  PutRawValue(L"CLIENT", REG_EXPAND_SZ, client.c_str(), static_cast<DWORD>((client.size() + 1) * sizeof(wchar_t)));
  PutRawValue(L"MBOX", REG_DWORD, &number, sizeof number);

  EXPECT_EQ(store.ReadValue(L"TIME"), std::nullopt);
  EXPECT_EQ(store.ReadValue(L"PASS"), std::nullopt);
  EXPECT_EQ(store.ReadValue(L"PORT"), std::nullopt);
  testing::IntervalListStandIn list;
  FillIntervalList(list, store);
  EXPECT_EQ(list.selected, 4);
  MailboxSettings settings = LoadSettings(store, scrambler);
  EXPECT_EQ(settings.Passwort, L"");
  EXPECT_EQ(settings.MailClient, client);

  settings.IntervalIndex = list.selected;
  settings.PostfachName = L"name@example.org";
  SaveSettings(store, scrambler, settings);
  EXPECT_EQ(RawValue(L"TIME").first, DWORD{REG_DWORD});
  EXPECT_EQ(RawValue(L"PASS").first, DWORD{REG_BINARY});
  EXPECT_EQ(RawValue(L"PORT").first, DWORD{REG_BINARY});
  EXPECT_EQ(RawValue(L"CLIENT"), std::make_pair(DWORD{REG_EXPAND_SZ}, client));
  EXPECT_EQ(RawValue(L"MBOX"), std::make_pair(DWORD{REG_SZ}, std::wstring(L"name@example.org")));
}

TEST_F(RegistrySettingsStoreTest, HugeAndUnterminatedStringsReadWhole) {
  const std::wstring huge(1 << 20, L'x');
  store.WriteValue(L"CLIENT", huge);
  EXPECT_EQ(store.ReadValue(L"CLIENT"), huge);

  const wchar_t unterminated[] = {L'a', L'b'};
  PutRawValue(L"MBOX", REG_SZ, unterminated, sizeof unterminated);
  EXPECT_EQ(store.ReadValue(L"MBOX"), L"ab");
  PutRawValue(L"POP3", REG_SZ, nullptr, 0);
  EXPECT_EQ(store.ReadValue(L"POP3"), L"");
}

TEST_F(RegistrySettingsStoreTest, WritingWhereTheKeyCannotBeCreatedReturnsQuietly) {
  // A key under a volatile key must be volatile too, so the settings key cannot be created.
  UniqueKey application;
  ASSERT_EQ(::RegCreateKeyExW(HKEY_CURRENT_USER, kApplicationKey, 0, nullptr, REG_OPTION_VOLATILE, KEY_WRITE, nullptr,
                              application.put(), nullptr),
            ERROR_SUCCESS);

  SaveSettings(store, scrambler, {L"pop.example.org", L"name@example.org", L"geheim", L"", 3});
  EXPECT_FALSE(SettingsKeyExists());
  EXPECT_EQ(store.ReadValue(L"POP3"), std::nullopt);
}

TEST(AnsiCodePage, KeepsAsciiAndRefusesWhatNoSingleByteCodePageHolds) {
  const AnsiCodePage codePage;
  for (wchar_t c = 0x20; c < 0x7F; ++c) {
    EXPECT_EQ(codePage.ByteOf(c), std::optional<std::uint8_t>(static_cast<std::uint8_t>(c)));
    EXPECT_EQ(codePage.CharacterOf(static_cast<std::uint8_t>(c)), c);
  }
  const std::wstring emoji = L"😀";
  for (const wchar_t half : emoji) EXPECT_EQ(codePage.ByteOf(half), std::nullopt);
  EXPECT_EQ(codePage.ByteOf(L'\u4E2D'), std::nullopt);
}

TEST(PasswordInTheAnsiCodePage, AsciiKeepsTheClassicFormAndOtherCharactersTheExtendedOne) {
  SystemSeededRandom random;
  const AnsiCodePage codePage;
  PasswordScrambler scrambler(random, codePage);

  const std::wstring classic = scrambler.ConvertPassword(L"Geheim 123!", true);
  EXPECT_EQ(classic.size(), 4u * 11 + 4);
  EXPECT_EQ(classic.find_first_not_of(L"0123456789ABCDEF"), std::wstring::npos);
  EXPECT_EQ(scrambler.ConvertPassword(classic, false), L"Geheim 123!");

  const std::wstring extended = scrambler.ConvertPassword(L"Пароль€😀", true);
  EXPECT_TRUE(extended.starts_with(L"UTF8:"));
  EXPECT_EQ(scrambler.ConvertPassword(extended, false), L"Пароль€😀");
}

}  // namespace
}  // namespace pbw
