#include "engine/pop3_sock_win.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "tests/support/message_pump_win.h"
#include "tests/support/scripted_pop3_server_win.h"

namespace pbw {
namespace {

using testing::PumpMessagesUntil;
using Server = testing::ScriptedPop3Server;

std::wstring Loopback() { return L"127.0.0.1"; }

// The socket with a data handler that takes everything it is told of, unless told to leave it.
struct SockRig {
  std::string received;
  int notifications = 0;
  std::int32_t largestWaiting = 0;
  bool take = true;
  std::vector<TlsReport> reports;
  Pop3Sock sock{[this](std::int32_t waiting) {
                  ++notifications;
                  largestWaiting = std::max(largestWaiting, waiting);
                  if (take) received += sock.GetData();
                },
                [this](const TlsReport& report) { reports.push_back(report); }};

  bool PumpUntilReceived(const std::string& bytes) {
    return PumpMessagesUntil([&] { return received.size() >= bytes.size(); }) && received == bytes;
  }
};

TEST(Pop3Sock, AnIdleSocketIgnoresCloseSendAndGet) {
  SockRig rig;
  rig.sock.Close();
  rig.sock.SendData("USER nobody\r\n");
  rig.sock.Close();
  EXPECT_TRUE(rig.sock.GetData().empty());
}

TEST(Pop3Sock, SendsEverythingGivenBeforeTheConnectionIsUpAndReceivesTheAnswer) {
  // Far more than a socket takes at once: the rest must follow as the server reads.
  const std::string longLine = "USER " + std::string(1 << 20, 'a') + "\r\n";
  Server server({Server::ExpectLine(longLine), Server::ExpectLine("PASS b\r\n"), Server::Send("+OK\r\n")});
  SockRig rig;
  rig.sock.Connect(Loopback(), server.Port(), ConnectionSecurity::kPlain);
  rig.sock.SendData(longLine);
  rig.sock.SendData("PASS b\r\n");
  ASSERT_TRUE(rig.PumpUntilReceived("+OK\r\n")) << rig.received;
  EXPECT_TRUE(server.Received() == longLine + "PASS b\r\n");
}

TEST(Pop3Sock, KeepsItsUnreadBufferWithinItsLimitWhateverTheServerSends) {
  const std::size_t flood = 64 * Pop3Sock::kUnreadLimitBytes;
  Server server({Server::Send(std::string(flood, 'x'))});
  SockRig rig;
  rig.take = false;
  rig.sock.Connect(Loopback(), server.Port(), ConnectionSecurity::kPlain);
  const auto limit = static_cast<std::int32_t>(Pop3Sock::kUnreadLimitBytes);
  std::string taken;
  std::int32_t peak = 0;
  // Taken only when the buffer is full, so the socket has to stop reading and start again.
  ASSERT_TRUE(PumpMessagesUntil([&] {
    peak = std::max(peak, rig.largestWaiting);
    if (rig.largestWaiting >= limit) {
      taken += rig.sock.GetData();
      rig.largestWaiting = 0;
    }
    return taken.size() == flood;
  })) << taken.size();
  EXPECT_EQ(peak, limit);
  EXPECT_TRUE(taken == std::string(flood, 'x'));
}

TEST(Pop3Sock, CloseDuringTheResolutionDeliversNothingOfThatConnection) {
  Server abandoned({Server::Send("+OK alt\r\n")});
  Server next({Server::Send("+OK neu\r\n")});
  {
    // Destroyed while its look-up runs: the worker must not report to a window that is gone.
    Pop3Sock destroyed([](std::int32_t) {}, [](const TlsReport&) {});
    destroyed.Connect(L"localhost", abandoned.Port(), ConnectionSecurity::kPlain);
  }
  SockRig rig;
  rig.sock.Connect(L"localhost", abandoned.Port(), ConnectionSecurity::kPlain);
  rig.sock.Close();
  rig.sock.Connect(Loopback(), next.Port(), ConnectionSecurity::kPlain);
  ASSERT_TRUE(rig.PumpUntilReceived("+OK neu\r\n")) << rig.received;
  EXPECT_FALSE(abandoned.Accepted());
}

TEST(Pop3Sock, CloseOnceTheServerHasAcceptedDeliversNothingOfThatConnection) {
  Server abandoned({Server::Pause(), Server::Send("+OK alt\r\n")});
  Server next({Server::Send("+OK neu\r\n")});
  SockRig rig;
  rig.sock.Connect(Loopback(), abandoned.Port(), ConnectionSecurity::kPlain);
  ASSERT_TRUE(PumpMessagesUntil([&] { return abandoned.Accepted(); }));
  rig.sock.Close();
  abandoned.Proceed();
  ASSERT_TRUE(PumpMessagesUntil([&] { return abandoned.Finished(); }));
  rig.sock.Connect(Loopback(), next.Port(), ConnectionSecurity::kPlain);
  ASSERT_TRUE(rig.PumpUntilReceived("+OK neu\r\n")) << rig.received;
}

TEST(Pop3Sock, ASecondConnectAfterCloseGetsOnlyTheNewServersData) {
  // The old server goes on talking and then resets: none of that may reach the new connection,
  // which is likely to get the old socket's handle value.
  Server old({Server::Send("+OK alt\r\n"), Server::Pause(), Server::Send("+OK noch alt\r\n"), Server::Reset()});
  Server next({Server::Send("+OK neu\r\n"), Server::ExpectLine("USER b\r\n"), Server::Send("+OK b\r\n")});
  SockRig rig;
  rig.sock.Connect(Loopback(), old.Port(), ConnectionSecurity::kPlain);
  ASSERT_TRUE(rig.PumpUntilReceived("+OK alt\r\n")) << rig.received;
  rig.sock.Close();
  old.Proceed();
  rig.sock.Connect(Loopback(), next.Port(), ConnectionSecurity::kPlain);
  ASSERT_TRUE(rig.PumpUntilReceived("+OK alt\r\n+OK neu\r\n")) << rig.received;
  rig.sock.SendData("USER b\r\n");
  ASSERT_TRUE(rig.PumpUntilReceived("+OK alt\r\n+OK neu\r\n+OK b\r\n")) << rig.received;
  EXPECT_EQ(old.Received(), "");
}

// What a TLS connection does when the other side is no TLS server; the certificates are judged
// against a real server (pop3_sock_tls_dovecot_win_test.cpp).
TEST(Pop3SockTls, AServerThatEndsTheConnectionDuringTheHandshakeIsReportedAtOnce) {
  for (const Server::Step& end : {Server::Close(), Server::Reset()}) {
    Server server({end});
    SockRig rig;
    rig.sock.Connect(Loopback(), server.Port(), ConnectionSecurity::kImplicitTls);
    ASSERT_TRUE(PumpMessagesUntil([&] { return !rig.reports.empty(); })) << static_cast<int>(end.kind);
    ASSERT_EQ(rig.reports.size(), 1u);
    EXPECT_EQ(rig.reports[0].outcome, TlsOutcome::kFailed);
    EXPECT_NE(rig.reports[0].code, 0u);
    EXPECT_EQ(rig.received, "");
  }
}

TEST(Pop3SockTls, APlainPop3ServerFailsTheHandshakeAndNeverSeesTheCommands) {
  Server server({Server::Send("+OK POP3 bereit\r\n")});
  SockRig rig;
  rig.sock.Connect(Loopback(), server.Port(), ConnectionSecurity::kImplicitTls);
  rig.sock.SendData("USER anna\r\n");
  ASSERT_TRUE(PumpMessagesUntil([&] { return !rig.reports.empty(); }));
  EXPECT_EQ(rig.reports[0].outcome, TlsOutcome::kFailed);
  EXPECT_EQ(rig.received, "");
  // The server reads what came once its script has been played.
  ASSERT_TRUE(PumpMessagesUntil([&] { return !server.Received().empty(); }));
  // The first bytes were a TLS handshake record (content type 22), nothing in clear.
  EXPECT_EQ(server.Received()[0], '\x16');
  EXPECT_EQ(server.Received().find("USER"), std::string::npos);
}

}  // namespace
}  // namespace pbw
