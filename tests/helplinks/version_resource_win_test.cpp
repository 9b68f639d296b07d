// The version record that Windows shows in the file's properties: the version texts and names.

#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "resources/program_identity.h"

namespace pbw {
namespace {

class VersionResourceTest : public ::testing::Test {
 protected:
  VersionResourceTest() {
    std::wstring path(32768, L'\0');
    path.resize(::GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size())));
    record_.resize(::GetFileVersionInfoSizeW(path.c_str(), nullptr));
    if (!record_.empty()) ::GetFileVersionInfoW(path.c_str(), 0, static_cast<DWORD>(record_.size()), record_.data());
  }

  std::wstring Text(const std::wstring& name) {
    void* value = nullptr;
    UINT length = 0;
    const std::wstring key = L"\\StringFileInfo\\040704B0\\" + name;
    if (!::VerQueryValueW(record_.data(), key.c_str(), &value, &length) || length == 0) return L"(fehlt)";
    return std::wstring(static_cast<const wchar_t*>(value), length - 1);
  }

  std::vector<char> record_;
};

TEST_F(VersionResourceTest, TextsNameTheProgramAndItsMaker) {
  ASSERT_FALSE(record_.empty());
  EXPECT_EQ(Text(L"FileVersion"), L"1.01.0102");
  EXPECT_EQ(Text(L"ProductVersion"), L"1.01.0102");
  EXPECT_EQ(Text(L"ProductName"), kProductName);
  EXPECT_EQ(Text(L"FileDescription"), kProductName);
  EXPECT_EQ(Text(L"InternalName"), L"PBW");
  EXPECT_EQ(Text(L"OriginalFilename"), L"PBW.exe");
  EXPECT_EQ(Text(L"CompanyName"), kMakerName);
  for (const wchar_t* name : {L"LegalCopyright", L"LegalTrademarks"}) {
    EXPECT_NE(Text(name).find(kMakerName), std::wstring::npos) << name;
  }
}

}  // namespace
}  // namespace pbw
