#include "engine/schannel_context_win.h"

namespace pbw {
namespace {

constexpr ULONG kContextRequest = ISC_REQ_SEQUENCE_DETECT | ISC_REQ_REPLAY_DETECT | ISC_REQ_CONFIDENTIALITY |
                                  ISC_REQ_ALLOCATE_MEMORY | ISC_REQ_STREAM | ISC_REQ_MANUAL_CRED_VALIDATION;

class SystemContext final : public SchannelContextCalls {
 public:
  SECURITY_STATUS Initialize(CredHandle* credentials, std::wstring& target, SecBufferDesc* in,
                             SecBufferDesc* out) override {
    ULONG attributes = 0;
    const bool first = !context_.valid();
    const SECURITY_STATUS status =
        ::InitializeSecurityContextW(credentials, context_.get(), target.data(), kContextRequest, 0, 0, in, 0,
                                     first ? context_.put() : nullptr, out, &attributes, nullptr);
    if (first && (status == SEC_I_CONTINUE_NEEDED || status == SEC_E_OK)) context_.Adopt();
    return status;
  }
  SECURITY_STATUS Decrypt(SecBufferDesc* message) override {
    return ::DecryptMessage(context_.get(), message, 0, nullptr);
  }
  SECURITY_STATUS Encrypt(SecBufferDesc* message) override { return ::EncryptMessage(context_.get(), 0, message, 0); }
  SECURITY_STATUS Query(unsigned long attribute, void* buffer) override {
    return ::QueryContextAttributesW(context_.get(), attribute, buffer);
  }
  void FreeBuffer(void* buffer) override { ::FreeContextBuffer(buffer); }

 private:
  UniqueSecurityContext context_;
};

}  // namespace

std::unique_ptr<SchannelContextCalls> SystemSchannelContext() { return std::make_unique<SystemContext>(); }

}  // namespace pbw
