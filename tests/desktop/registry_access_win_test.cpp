#include "desktop/registry_access_win.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "common/unique_handle_win.h"
#include "tests/support/raw_registry_value_win.h"

namespace pbw {
namespace {

// These tests run in a Wine prefix of their own: the key is theirs to delete.
constexpr wchar_t kTestKey[] = L"Software\\PBW Desktop Tests";
const std::wstring kKey = kTestKey;

class RegistryAccessTest : public ::testing::Test {
 protected:
  void SetUp() override { ::RegDeleteTreeW(HKEY_CURRENT_USER, kTestKey); }
  void TearDown() override { ::RegDeleteTreeW(HKEY_CURRENT_USER, kTestKey); }

  static void PutRaw(const wchar_t* name, DWORD type, const void* data, std::size_t size) {
    const auto* first = static_cast<const BYTE*>(data);
    testing::WriteRawValue(HKEY_CURRENT_USER, kKey, name, {true, type, std::vector<BYTE>(first, first + size)});
  }

  static testing::RawValue Raw(const std::wstring& keyPath, const wchar_t* name) {
    return testing::ReadRawValue(HKEY_CURRENT_USER, keyPath, name);
  }
};

TEST_F(RegistryAccessTest, ThreeLettersAsRegSzStoreTheLettersAndOneNul) {
  RegWriteValue(HKEY_CURRENT_USER, kKey, L"Name", L"abc");

  const testing::RawValue raw = Raw(kKey, L"Name");
  EXPECT_EQ(raw.type, static_cast<DWORD>(REG_SZ));
  EXPECT_EQ(raw.bytes, testing::BytesOf(std::wstring(L"abc\0", 4)));
  // Seen through the ANSI code page, as the older programs of the platform see it: four bytes.
  UniqueKey key;
  ASSERT_EQ(::RegOpenKeyExA(HKEY_CURRENT_USER, "Software\\PBW Desktop Tests", 0, KEY_QUERY_VALUE, key.put()),
            ERROR_SUCCESS);
  DWORD ansiSize = 0;
  ASSERT_EQ(::RegQueryValueExA(key.get(), "Name", nullptr, nullptr, nullptr, &ansiSize), ERROR_SUCCESS);
  EXPECT_EQ(ansiSize, 4u);
  EXPECT_EQ(RegReadString(HKEY_CURRENT_USER, kKey, L"Name"), L"abc");
}

TEST_F(RegistryAccessTest, UnicodeDataRoundTripsIntact) {
  const std::wstring data = L"\"C:\\Программы\\Почта 😀 Wächter\\PBW.exe\" /AUTOSTART";
  RegWriteValue(HKEY_CURRENT_USER, kKey, L"Wächter 😀", data);

  EXPECT_EQ(Raw(kKey, L"Wächter 😀").bytes, testing::BytesOf(data + L'\0'));
  EXPECT_EQ(RegReadString(HKEY_CURRENT_USER, kKey, L"Wächter 😀"), data);
  EXPECT_TRUE(RegValueExists(HKEY_CURRENT_USER, kKey, L"Wächter 😀"));
}

TEST_F(RegistryAccessTest, EmptyStringIsStoredAsALoneNulAndReadsEmpty) {
  RegWriteValue(HKEY_CURRENT_USER, kKey, L"Leer", L"");
  EXPECT_EQ(Raw(kKey, L"Leer").bytes, testing::BytesOf(std::wstring(1, L'\0')));
  EXPECT_EQ(RegReadString(HKEY_CURRENT_USER, kKey, L"Leer"), L"");
  EXPECT_TRUE(RegValueExists(HKEY_CURRENT_USER, kKey, L"Leer"));
}

TEST_F(RegistryAccessTest, ValuesWithoutDataExistAndReadEmpty) {
  PutRaw(L"Binär", REG_BINARY, nullptr, 0);
  PutRaw(L"Text", REG_SZ, nullptr, 0);
  for (const wchar_t* name : {L"Binär", L"Text"}) {
    EXPECT_TRUE(RegValueExists(HKEY_CURRENT_USER, kKey, name)) << name;
    EXPECT_EQ(RegReadString(HKEY_CURRENT_USER, kKey, name), L"") << name;
  }
}

TEST_F(RegistryAccessTest, MissingKeysAndValuesReadEmptyAndDoNotExist) {
  const std::wstring missingKey = kKey + L"\\Fehlt";
  EXPECT_EQ(RegReadString(HKEY_CURRENT_USER, missingKey, L"Name"), L"");
  EXPECT_FALSE(RegValueExists(HKEY_CURRENT_USER, missingKey, L"Name"));

  RegWriteValue(HKEY_CURRENT_USER, kKey, L"Andere", L"x");
  EXPECT_EQ(RegReadString(HKEY_CURRENT_USER, kKey, L"Name"), L"");
  EXPECT_FALSE(RegValueExists(HKEY_CURRENT_USER, kKey, L"Name"));
}

TEST_F(RegistryAccessTest, WritingCreatesEveryMissingLevel) {
  const std::wstring deepKey = kKey + L"\\Eins\\Zwei\\Drei";
  RegWriteValue(HKEY_CURRENT_USER, deepKey, L"Name", L"tief");
  EXPECT_EQ(RegReadString(HKEY_CURRENT_USER, deepKey, L"Name"), L"tief");
}

TEST_F(RegistryAccessTest, EachValueOfAKeyReadsWhole) {
  const std::wstring longText(300, L'L');
  RegWriteValue(HKEY_CURRENT_USER, kKey, L"Lang", longText);
  RegWriteValue(HKEY_CURRENT_USER, kKey, L"Kurz", L"kurz");
  EXPECT_EQ(RegReadString(HKEY_CURRENT_USER, kKey, L"Lang"), longText);
  EXPECT_EQ(RegReadString(HKEY_CURRENT_USER, kKey, L"Kurz"), L"kurz");
}

TEST_F(RegistryAccessTest, MultiStringsKeepTheirSeparatorsAndOneFinalNul) {
  const std::wstring stored(L"eins\0zwei\0\0", 11);
  PutRaw(L"Liste", REG_MULTI_SZ, stored.data(), stored.size() * sizeof(wchar_t));
  EXPECT_EQ(RegReadString(HKEY_CURRENT_USER, kKey, L"Liste"), std::wstring(L"eins\0zwei\0", 10));
}

TEST_F(RegistryAccessTest, ExpandableStringsReadUnexpanded) {
  const std::wstring stored = L"%TEMP%\\PBW";
  PutRaw(L"Pfad", REG_EXPAND_SZ, stored.c_str(), (stored.size() + 1) * sizeof(wchar_t));
  EXPECT_EQ(RegReadString(HKEY_CURRENT_USER, kKey, L"Pfad"), L"%TEMP%\\PBW");
}

TEST_F(RegistryAccessTest, OtherTypesTravelOneCharacterPerByte) {
  const DWORD number = 0x00C8FF41;
  PutRaw(L"Zahl", REG_DWORD, &number, sizeof number);
  EXPECT_EQ(RegReadString(HKEY_CURRENT_USER, kKey, L"Zahl"), std::wstring(L"\x41\xFF\xC8\0", 4));
}

TEST_F(RegistryAccessTest, RemovingDeletesTheValueAndIgnoresWhatIsMissing) {
  RegWriteValue(HKEY_CURRENT_USER, kKey, L"Name", L"x");
  RegRemoveValue(HKEY_CURRENT_USER, kKey, L"Name");
  EXPECT_FALSE(RegValueExists(HKEY_CURRENT_USER, kKey, L"Name"));

  RegRemoveValue(HKEY_CURRENT_USER, kKey, L"Name");
  RegRemoveValue(HKEY_CURRENT_USER, kKey + L"\\Fehlt", L"Name");
  UniqueKey key;
  EXPECT_NE(::RegOpenKeyExW(HKEY_CURRENT_USER, (kKey + L"\\Fehlt").c_str(), 0, KEY_READ, key.put()), ERROR_SUCCESS);
}

TEST(RunEntryTest, KeyPathsAndHives) {
  EXPECT_EQ(RunKeyPath(false), L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run");
  EXPECT_EQ(RunKeyPath(true), L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\RunOnce");
  EXPECT_EQ(RunEntryHive(false), HKEY_CURRENT_USER);
  EXPECT_EQ(RunEntryHive(true), HKEY_LOCAL_MACHINE);
}

TEST(RunEntryTest, EntriesOfTheCurrentUserComeAndGo) {
  const std::wstring name = L"PBW Desktop Test";
  for (const bool runOnce : {false, true}) {
    const std::wstring keyPath = runOnce ? L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\RunOnce"
                                         : L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run";
    SetRunEntry(name, L"\"C:\\Tools\\PBW.exe\" /AUTOSTART", false, runOnce);
    EXPECT_TRUE(HasRunEntry(name, false, runOnce));
    EXPECT_EQ(RegReadString(HKEY_CURRENT_USER, keyPath, name), L"\"C:\\Tools\\PBW.exe\" /AUTOSTART");
    EXPECT_FALSE(HasRunEntry(name, false, !runOnce));

    RemoveRunEntry(name, false, runOnce);
    EXPECT_FALSE(HasRunEntry(name, false, runOnce));
  }
}

}  // namespace
}  // namespace pbw
