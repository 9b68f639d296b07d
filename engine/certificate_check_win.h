#pragma once
// The program's own judgement of a server's certificate: the chain to one of the user's trusted
// roots, the system's SSL policy for the server's name, and the name and chain checked here once more
// (some systems' policy lets bad chains pass).

#include <cstdint>
#include <string>

#include "engine/crypt_handles_win.h"
#include "engine/tls_outcome.h"

namespace pbw {

struct CertificateJudgement {
  TlsOutcome outcome = TlsOutcome::kFailed;
  // The system's code behind a rejection, for the trace.
  std::uint32_t code = 0;
};

// `certificate` as the server presented it, its store holding whatever else the server sent; `host`
// in its ASCII form. May wait for the network (a missing issuer, revocation lists), 2 s at most per
// retrieval and for the revocation retrievals together.
CertificateJudgement CheckServerCertificate(PCCERT_CONTEXT certificate, const std::wstring& host);

// "CN=pop.example.com, O=..." of the certificate's subject, or of its issuer.
std::wstring SubjectText(PCCERT_CONTEXT certificate);
std::wstring IssuerText(PCCERT_CONTEXT certificate);

}  // namespace pbw
