#pragma once
// Makes a certificate one of the current user's trusted roots (the "ROOT" system store of this
// Wine prefix) for as long as the object lives, as a user would by importing it.

#include <string>

#include "engine/crypt_handles_win.h"

namespace pbw::testing {

// A certificate read from a PEM file; empty when the file cannot be read.
UniqueCertificate LoadPemCertificate(const std::string& path);

class TrustedRoot {
 public:
  explicit TrustedRoot(const std::string& pemFile);
  ~TrustedRoot();
  TrustedRoot(const TrustedRoot&) = delete;
  TrustedRoot& operator=(const TrustedRoot&) = delete;

  bool Added() const { return added_; }

 private:
  UniqueCertificate certificate_;
  bool added_ = false;
};

// Takes the certificate out of the "ROOT" store again, wherever an earlier run may have left it.
void RemoveTrustedRoot(PCCERT_CONTEXT certificate);

}  // namespace pbw::testing
