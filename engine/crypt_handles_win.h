#pragma once
// Owners for the handles of Schannel and the certificate functions, each released exactly once.

#include <winsock2.h>
#include <windows.h>
#ifndef SECURITY_WIN32
#define SECURITY_WIN32
#endif
#include <security.h>
#include <wincrypt.h>

#include <utility>

#include "common/unique_handle_win.h"

namespace pbw {

namespace detail {
inline void FreeCertificate(PCCERT_CONTEXT c) { ::CertFreeCertificateContext(c); }
inline void FreeChain(PCCERT_CHAIN_CONTEXT c) { ::CertFreeCertificateChain(c); }
inline void CloseStore(HCERTSTORE s) { ::CertCloseStore(s, 0); }
inline void FreeCredentials(CredHandle h) { ::FreeCredentialsHandle(&h); }
inline void DeleteContext(CtxtHandle h) { ::DeleteSecurityContext(&h); }
}  // namespace detail

using UniqueCertificate = UniqueHandle<PCCERT_CONTEXT, detail::FreeCertificate>;
using UniqueCertificateChain = UniqueHandle<PCCERT_CHAIN_CONTEXT, detail::FreeChain>;
using UniqueCertificateStore = UniqueHandle<HCERTSTORE, detail::CloseStore>;

// SSPI handles are two-word structures with no empty value of their own: validity is kept beside them.
template <void (*Release)(SecHandle)>
class UniqueSecHandle {
 public:
  UniqueSecHandle() = default;
  UniqueSecHandle(const UniqueSecHandle&) = delete;
  UniqueSecHandle& operator=(const UniqueSecHandle&) = delete;
  ~UniqueSecHandle() { reset(); }

  bool valid() const { return valid_; }
  SecHandle* get() { return valid_ ? &handle_ : nullptr; }
  // For the call that fills it: releases what is held; call Adopt() once the call has succeeded.
  SecHandle* put() {
    reset();
    return &handle_;
  }
  void Adopt() { valid_ = true; }
  void reset() {
    if (std::exchange(valid_, false)) Release(handle_);
  }

 private:
  SecHandle handle_{};
  bool valid_ = false;
};

using UniqueCredentials = UniqueSecHandle<detail::FreeCredentials>;
using UniqueSecurityContext = UniqueSecHandle<detail::DeleteContext>;

}  // namespace pbw
