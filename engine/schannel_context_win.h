#pragma once
// The Schannel calls that a TLS channel makes on its one security context, behind a small interface:
// the system's own are the program's, and a test can replay what a system answered.

#include <memory>
#include <string>

#include "engine/crypt_handles_win.h"

namespace pbw {

class SchannelContextCalls {
 public:
  virtual ~SchannelContextCalls() = default;
  // InitializeSecurityContextW for `target` with the channel's flags; the first call creates the context.
  virtual SECURITY_STATUS Initialize(CredHandle* credentials, std::wstring& target, SecBufferDesc* in,
                                     SecBufferDesc* out) = 0;
  virtual SECURITY_STATUS Decrypt(SecBufferDesc* message) = 0;
  virtual SECURITY_STATUS Encrypt(SecBufferDesc* message) = 0;
  virtual SECURITY_STATUS Query(unsigned long attribute, void* buffer) = 0;
  // Gives back a buffer that Initialize allocated.
  virtual void FreeBuffer(void* buffer) = 0;
};

// The system's Schannel; the context is deleted with the object.
std::unique_ptr<SchannelContextCalls> SystemSchannelContext();

}  // namespace pbw
