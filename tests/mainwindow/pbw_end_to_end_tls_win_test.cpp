// The real PBW.exe against a real POP3 server over implicit TLS on 127.0.0.1:995: the user types
// "localhost:995" and presses "&Test"; and against one that wants STLS, named by its address alone. Whether the
// server's certificate is trusted is decided by the test CA's presence among this Wine prefix's trusted roots, read
// anew by each PBW.exe.

#include <gtest/gtest.h>

#include "common/wide_text_win.h"
#include "engine/status_texts.h"
#include "tests/support/dovecot/dovecot_fixture.h"
#include "tests/support/end_to_end_fixture_win.h"
#include "tests/support/pbw_remote_win.h"
#include "tests/support/shown_status.h"
#include "tests/support/trusted_root_win.h"

namespace pbw {
namespace {

class EndToEndTls : public testing::EndToEndFixture {
 protected:
  EndToEndTls() : EndToEndFixture(L"pbw-e2e-tls"), dovecot_(testing::LoadDovecotFixture()) {}

  // Stores the account of the mailbox that holds mail, on "localhost:995" unless told otherwise, and
  // presses "&Test".
  void TestTheFullMailbox(const testing::RunningPbw& pbw, const std::wstring& server = L"localhost:995") {
    ASSERT_EQ(dovecot_.tls.port, 995) << "the fixture listens on 995 only when run as root";
    pbw.TrayNotification(WM_LBUTTONDOWN);
    pbw.SetText(ControlId::ServerNameTB, server);
    pbw.SetText(ControlId::PostfachNameTB, WideFromCodePage(dovecot_.full.user, CP_UTF8));
    pbw.SetText(ControlId::PasswortTB, WideFromCodePage(dovecot_.full.password, CP_UTF8));
    pbw.Press(ControlId::Btn2);
  }

  const testing::DovecotFixture& Dovecot() const { return dovecot_; }

 private:
  testing::DovecotFixture dovecot_;
};

TEST_F(EndToEndTls, ATrustedServerOn995FindsNewMail) {
  const testing::TrustedRoot ca(Dovecot().tls.testCaFile);
  ASSERT_TRUE(ca.Added());
  testing::RunningPbw pbw(Exe());
  ASSERT_TRUE(pbw.Started());
  TestTheFullMailbox(pbw);
  EXPECT_TRUE(pbw.WaitForStatus(testing::Shown(status_text::kNewMail))) << pbw.StatusLine();
}

// The server refuses a login in clear: the program upgrades with STLS on the default port.
TEST_F(EndToEndTls, AServerThatWantsEncryptionNamedAloneFindsNewMail) {
  ASSERT_EQ(Dovecot().stls.port, 110) << "the fixture listens on 110 only when run as root";
  const testing::TrustedRoot ca(Dovecot().tls.testCaFile);
  ASSERT_TRUE(ca.Added());
  testing::RunningPbw pbw(Exe());
  ASSERT_TRUE(pbw.Started());
  TestTheFullMailbox(pbw, WideFromCodePage(Dovecot().stls.host, CP_UTF8));
  EXPECT_TRUE(pbw.WaitForStatus(testing::Shown(status_text::kNewMail))) << pbw.StatusLine();
}

TEST_F(EndToEndTls, AnUntrustedCertificateIsReportedAtOnce) {
  testing::RemoveTrustedRoot(testing::LoadPemCertificate(Dovecot().tls.testCaFile).get());
  testing::RunningPbw pbw(Exe());
  ASSERT_TRUE(pbw.Started());
  TestTheFullMailbox(pbw);
  // The wait's safety limit lies far below the 90 seconds of the reply watchdog.
  EXPECT_TRUE(pbw.WaitForStatus(testing::Shown(status_text::kTlsUntrusted))) << pbw.StatusLine();
}

}  // namespace
}  // namespace pbw
