// Strangers on the network: a plain socket that sends garbage, broken or
// enormous frames, floods, or nothing at all. None of it may crash the
// server, grow its memory without bound, hold up the other participants
// or the Logo processes, or run code that was not allowed to run.
#include "core/control_exceptions.h"
#include "net/net_link.h"
#include "net_test_world.h"
#include "raw_peer.h"

#include <asio/write.hpp>

namespace lx::testing {
namespace {

class HostilePeer : public NetTest {
 protected:
  // A server "boss" with one well-behaved client "ann".
  void SetUp() override {
    make("s", "server", "boss");
    make("c1", "client", "ann");
    printStatuses("s");
    run("ask \"s [connect]");
    run("ask \"c1 [connect]");
    ASSERT_TRUE(connected("c1"));
  }

  // The well-behaved client still gets through to the server.
  void expectServerServes(const std::string& word) {
    run("ask \"c1 [send \"boss \"" + word + "]");
    EXPECT_TRUE(seenLine("s: ann " + word));
    EXPECT_EQ(readText("ask \"c1 [users]").rfind("boss ann", 0), 0u);
  }
};

TEST_F(HostilePeer, GarbageIsThrownAway) {
  RawPeer stranger(port);
  ASSERT_TRUE(stranger.write("GET / HTTP/1.0\r\n\r\n"));
  ASSERT_TRUE(stranger.write(std::string(100000, '\0')));
  expectServerServes("after.garbage");
  // Frames that cannot be read, and kinds only the server may send, are
  // ignored too; a nick is granted only to a participant that asked.
  EXPECT_EQ(stranger.announce("evil"), "evil");
  ASSERT_TRUE(stranger.write("\x07" "5!?junk"));
  ASSERT_TRUE(stranger.send({'b', {"boss"}, "ann"}));
  ASSERT_TRUE(stranger.send({'W', {"x", "ann"}, "spoofed"}));
  ASSERT_TRUE(seenLine("c1: evil spoofed"));  // the server names the real sender
  expectServerServes("after.junk");
}

TEST_F(HostilePeer, TruncatedFrameAndCloseIsADisconnect) {
  {
    RawPeer stranger(port);
    EXPECT_EQ(stranger.announce("half"), "half");
    ASSERT_TRUE(stranger.write("\x07" "100!W0!abc"));
  }
  ASSERT_TRUE(seen("s status: The connection with 127.0.0.1"));
  ASSERT_TRUE(pumpUntil([&] { return readText("ask \"s [users]") == "boss ann"; }));
  expectServerServes("after.truncated");
}

TEST_F(HostilePeer, FramesClaimingGigabytesAreCutOff) {
  RawPeer huge(port);
  ASSERT_TRUE(huge.write("\x07" "4000000000!W0!"));
  EXPECT_TRUE(huge.closedByOtherSide());
  RawPeer endless(port);
  endless.write("\x07" + std::string(1 << 20, '9'));
  EXPECT_TRUE(endless.closedByOtherSide());
  // Just under the limit is fine, but still costs only one frame's memory.
  RawPeer large(port);
  EXPECT_EQ(large.announce("large"), "large");
  ASSERT_TRUE(large.send({'W', {"large", "boss"}, std::string(kMaxPayload - 64, 'x')}));
  ASSERT_TRUE(pumpUntil([&] { return readText("ask \"s [count message]") == std::to_string(kMaxPayload - 64); }));
  expectServerServes("after.huge");
}

TEST_F(HostilePeer, FloodsAreCappedAndNobodyStarves) {
  run("make \"ticks 0");
  run("launch [forever [make \"ticks :ticks + 1]]");
  RawPeer flood(port);
  ASSERT_EQ(flood.announce("flood"), "flood");
  const std::string before = readText(":ticks");
  std::string burst;
  for (int i = 0; i < 2000; ++i) burst += encodeFrame({'W', {"flood", "boss"}, std::to_string(i)});
  for (int round = 0; round < 50; ++round) ASSERT_TRUE(flood.write(burst));
  // What the handlers could not take in time was dropped, with a status.
  EXPECT_TRUE(seen("s status: Network error: a message could not be received."));
  EXPECT_NE(readText(":ticks"), before);
  // Once the queue has drained the well-behaved client is heard again.
  bool heard = false;
  for (int attempt = 0; attempt < 20 && !heard; ++attempt) {
    run("ask \"c1 [send \"boss \"after.flood]");
    heard = pumpUntilOr(std::chrono::milliseconds(500), [&] { return printedHas("s: ann after.flood"); });
  }
  EXPECT_TRUE(heard);
  try {
    run("stopall");
  } catch (const eTerminateException&) {
  }
}

TEST_F(HostilePeer, SilentPeersAreClosed) {
  NetLink::setHandshakeLimit(std::chrono::milliseconds(300));
  RawPeer silent(port);
  RawPeer slow(port);
  ASSERT_TRUE(slow.write("\x07" "10!"));  // a frame begun and never finished, before the nick
  expectServerServes("while.silent");
  EXPECT_TRUE(silent.closedByOtherSide());
  EXPECT_TRUE(slow.closedByOtherSide());
  NetLink::setHandshakeLimit(std::chrono::milliseconds(10000));
}

TEST_F(HostilePeer, PeerThatNeverReadsLosesMessagesNotOurMemory) {
  RawPeer deaf(port);
  deaf.setReceiveBuffer(4096);
  ASSERT_EQ(deaf.announce("deaf"), "deaf");
  run("make \"big \"x repeat 20 [make \"big word :big :big]");  // a word of a million bytes
  for (int i = 0; i < 40; ++i) run("ask \"s [send \"deaf :big]");
  EXPECT_TRUE(seen("s status: Network error: the message could not be sent."));
  expectServerServes("while.deaf");
}

TEST_F(HostilePeer, ReceivedCodeRunsOnlyWhenAllowed) {
  RawPeer stranger(port);
  ASSERT_EQ(stranger.announce("stranger"), "stranger");
  ASSERT_TRUE(stranger.send({'R', {"stranger", "boss"}, "make \"pwned 1"}));
  // It arrives as a list, and the refusal goes back.
  ASSERT_TRUE(seenLine("s: stranger make \"pwned 1"));
  const NetMessage reply = stranger.receive();
  EXPECT_EQ(reply.kind, 'w');
  EXPECT_EQ(reply.body, "Error in instructions received over the network: runenabled \"false");
  EXPECT_EQ(errorOf("print :pwned"), erNoVal);
  // Run requests broadcast to everybody run nowhere either.
  ASSERT_TRUE(stranger.send({'R', {"stranger"}, "make \"pwned 2"}));
  ASSERT_TRUE(pumpUntil([&] { return printedHas("c1: stranger make \"pwned 2"); }));
  EXPECT_EQ(stranger.receive().kind, 'w');
  EXPECT_EQ(stranger.receive().kind, 'w');
  EXPECT_EQ(errorOf("print :pwned"), erNoVal);
}

TEST_F(HostilePeer, HostileServerCannotHurtAClient) {
  asio::ip::tcp::acceptor fake(netContext(), {asio::ip::address_v4::loopback(), 0});
  const int fakePort = fake.local_endpoint().port();
  make("c2", "client", "bob");
  printStatuses("c2");
  run("ask \"c2 [setport " + std::to_string(fakePort) + " connect]");
  asio::ip::tcp::socket accepted = fake.accept();
  const std::string granted = encodeFrame({'b', {"fake"}, "bob"});
  asio::write(accepted, asio::buffer(granted));
  ASSERT_TRUE(seen("c2 status: Connected to the server."));
  const std::string huge = "\x07" "99999999999!";
  asio::write(accepted, asio::buffer(huge));
  ASSERT_TRUE(seen("c2 status: The connection to the server was closed."));
  EXPECT_EQ(readText("ask \"c2 [connected?]"), "false");
}

}  // namespace
}  // namespace lx::testing
