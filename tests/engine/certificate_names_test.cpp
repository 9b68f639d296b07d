#include "engine/certificate_names.h"

#include <gtest/gtest.h>

namespace pbw {
namespace {

TEST(CertificateName, MatchesSubjectAlternativeNamesAndWildcardsInTheFirstLabelOnly) {
  struct Case {
    std::wstring_view host;
    std::vector<std::wstring> dnsNames;
    std::wstring commonName;
    bool matches;
  };
  const Case cases[] = {
      {L"localhost", {L"localhost"}, L"", true},
      {L"LocalHost", {L"localhost"}, L"", true},
      {L"localhost.", {L"localhost"}, L"", true},
      {L"pop.example.com", {L"mail.example.com", L"pop.example.com"}, L"", true},
      {L"pop.example.com", {L"*.example.com"}, L"", true},
      {L"POP.Example.COM", {L"*.EXAMPLE.com"}, L"", true},
      {L"example.com", {L"*.example.com"}, L"", false},
      {L"a.pop.example.com", {L"*.example.com"}, L"", false},
      {L"pop.example.com", {L"pop.*.com"}, L"", false},
      {L"pop.com", {L"*.com"}, L"", false},
      {L"pop.example.com", {L"p*.example.com"}, L"", false},
      {L"127.0.0.1", {L"localhost"}, L"", false},
      {L"pop.example.com", {L"pop.example.co"}, L"", false},
      {L"", {L"localhost"}, L"", false},
      {L"localhost", {}, L"localhost", true},
      {L"pop.example.com", {}, L"*.example.com", true},
      {L"localhost", {L"other.example.com"}, L"localhost", false},  // the common name counts only without SANs
      {L"localhost", {}, L"", false},
      {L"pop.example.com", {std::wstring(L"pop.example.com\0.evil.org", 25)}, L"", false},
      {L"pop.example.com", {}, std::wstring(L"pop.example.com\0x", 17), false},
  };
  for (const Case& c : cases) {
    const CertificateNames names{!c.dnsNames.empty(), c.dnsNames, {}, c.commonName};
    EXPECT_EQ(CertificateNameMatches(c.host, names), c.matches) << std::wstring(c.host).c_str();
  }
}

// A GeneralNames value: dNSName "a.example", iPAddress 127.0.0.1 and ::1, a URI that does not count.
using namespace std::string_literals;
const std::string kAltNames = "\x30\x2A\x82\x09"s + "a.example" + "\x87\x04\x7F\x00\x00\x01"s + "\x87\x10" +
                              std::string(15, '\0') + "\x01\x86\x05" + "x:y/z";

TEST(CertificateName, AnAddressMatchesOnlyAnAddressEntryNeverAWildcardOrAName) {
  const std::optional<CertificateNames> names = DecodeAltNames(kAltNames);
  ASSERT_TRUE(names);
  EXPECT_EQ(names->dnsNames, std::vector<std::wstring>{L"a.example"});
  struct Case {
    std::wstring_view host;
    bool matches;
  };
  const Case cases[] = {{L"a.example", true},  {L"127.0.0.1", true},    {L"::1", true},
                        {L"0:0::0:1", true},   {L"::127.0.0.1", false}, {L"127.0.0.2", false},
                        {L"b.example", false}, {L"0127.0.0.1", false},  {L"127.000.0.1", false}};
  for (const Case& c : cases)
    EXPECT_EQ(CertificateNameMatches(c.host, *names), c.matches) << std::wstring(c.host).c_str();

  const CertificateNames wildcards{true, {L"*.0.0.1", L"127.0.0.1"}, {}, L"127.0.0.1"};
  EXPECT_FALSE(CertificateNameMatches(L"127.0.0.1", wildcards));
}

TEST(CertificateName, AnExtensionThatCannotBeReadRejectsTheCertificate) {
  for (std::size_t length = 0; length < kAltNames.size(); ++length) {
    EXPECT_FALSE(DecodeAltNames(kAltNames.substr(0, length))) << length;
  }
  EXPECT_FALSE(DecodeAltNames(kAltNames + std::string(1, '\0')));
  EXPECT_FALSE(DecodeAltNames("\x30\x03\x82\x01\xC3"));  // a DNS name beyond ASCII
}

TEST(IpAddress, ReadsIpv4AndIpv6TextsOnly) {
  EXPECT_EQ(ParseIpAddress(L"192.0.2.1"), std::string("\xC0\x00\x02\x01", 4));
  EXPECT_EQ(ParseIpAddress(L"2001:DB8::ffff:1.2.3.4"),
            std::string("\x20\x01\x0D\xB8", 4) + std::string(6, '\0') + "\xFF\xFF\x01\x02\x03\x04");
  for (const std::wstring_view name :
       {L"pop.example.com", L"1.2.3", L"1.2.3.256", L"1.2.3.4.", L"1::2::3", L":1", L"1:2:3:4:5:6:7:8:9", L"12345::",
        L"", L"fe80::1%1", L"010.0.0.1", L"127.00.0.1", L"::ffff:10.0.0.01"}) {
    EXPECT_FALSE(ParseIpAddress(name)) << std::wstring(name).c_str();
  }
}

}  // namespace
}  // namespace pbw
