#include "tests/support/trusted_root_win.h"

#include <array>
#include <fstream>
#include <iterator>
#include <vector>

namespace pbw::testing {
namespace {

UniqueCertificateStore RootStore() { return UniqueCertificateStore(::CertOpenSystemStoreW(0, L"ROOT")); }

// Where the current user's trusted roots are kept, one key per certificate named by its SHA-1 hash.
std::wstring RegistryKeyOf(PCCERT_CONTEXT certificate) {
  std::array<BYTE, 20> hash{};
  DWORD size = static_cast<DWORD>(hash.size());
  if (!::CertGetCertificateContextProperty(certificate, CERT_SHA1_HASH_PROP_ID, hash.data(), &size)) return {};
  std::wstring key = L"Software\\Microsoft\\SystemCertificates\\Root\\Certificates\\";
  constexpr std::wstring_view kDigits = L"0123456789ABCDEF";
  for (const BYTE b : hash) {
    key += kDigits[b >> 4];
    key += kDigits[b & 0xF];
  }
  return key;
}

}  // namespace

UniqueCertificate LoadPemCertificate(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  const std::string pem{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
  DWORD size = 0;
  if (pem.empty() || !::CryptStringToBinaryA(pem.c_str(), static_cast<DWORD>(pem.size()), CRYPT_STRING_BASE64HEADER,
                                             nullptr, &size, nullptr, nullptr)) {
    return {};
  }
  std::vector<BYTE> der(size);
  if (!::CryptStringToBinaryA(pem.c_str(), static_cast<DWORD>(pem.size()), CRYPT_STRING_BASE64HEADER, der.data(), &size,
                              nullptr, nullptr)) {
    return {};
  }
  return UniqueCertificate(::CertCreateCertificateContext(X509_ASN_ENCODING, der.data(), size));
}

// Wine does not write CertDeleteCertificateFromStore through to the registry unless the certificate
// was added through the same store handle, so the certificate's key is removed itself.
void RemoveTrustedRoot(PCCERT_CONTEXT certificate) {
  if (!certificate) return;
  const std::wstring key = RegistryKeyOf(certificate);
  if (!key.empty()) ::RegDeleteTreeW(HKEY_CURRENT_USER, key.c_str());
}

TrustedRoot::TrustedRoot(const std::string& pemFile) : certificate_(LoadPemCertificate(pemFile)) {
  const UniqueCertificateStore store = RootStore();
  added_ =
      store && certificate_ &&
      ::CertAddCertificateContextToStore(store.get(), certificate_.get(), CERT_STORE_ADD_REPLACE_EXISTING, nullptr);
}

TrustedRoot::~TrustedRoot() { RemoveTrustedRoot(certificate_.get()); }

}  // namespace pbw::testing
