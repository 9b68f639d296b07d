#pragma once
// Schannel's newer credential form (TLS 1.3 on current Windows). Windows SDKs declare it only under
// SCHANNEL_USE_BLACKLISTS and some mingw-w64 versions not at all: where the system headers have it,
// theirs is used; otherwise the same layout is declared here.

#include <winsock2.h>
#include <windows.h>
#ifndef SECURITY_WIN32
#define SECURITY_WIN32
#endif
#include <security.h>
// Not all SDKs' schannel.h bring the certificate types along (and WIN32_LEAN_AND_MEAN leaves them out).
#include <wincrypt.h>
#include <schannel.h>

#ifndef SCH_CREDENTIALS_VERSION
#define SCH_CREDENTIALS_VERSION 0x00000005
#endif
#ifndef SP_PROT_TLS1_3_CLIENT
#define SP_PROT_TLS1_3_CLIENT 0x00002000
#endif
#ifndef SCH_USE_STRONG_CRYPTO
#define SCH_USE_STRONG_CRYPTO 0x00400000
#endif

namespace pbw {

#ifdef SCHANNEL_USE_BLACKLISTS
using TlsParameters = ::TLS_PARAMETERS;
using SchCredentials = ::SCH_CREDENTIALS;
#else
struct TlsParameters {
  DWORD cAlpnIds;
  void* rgstrAlpnIds;
  DWORD grbitDisabledProtocols;
  DWORD cDisabledCrypto;
  void* pDisabledCrypto;
  DWORD dwFlags;
};

struct SchCredentials {
  DWORD dwVersion;
  DWORD dwCredFormat;
  DWORD cCreds;
  PCCERT_CONTEXT* paCred;
  HCERTSTORE hRootStore;
  DWORD cMappers;
  void** aphMappers;
  DWORD dwSessionLifespan;
  DWORD dwFlags;
  DWORD cTlsParameters;
  TlsParameters* pTlsParameters;
};
#endif

}  // namespace pbw
