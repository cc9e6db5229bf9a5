// A server and clients of one world exchanging values over loopback.
#include "net_test_world.h"

namespace lx::testing {
namespace {

class NetExchange : public NetTest {
 protected:
  // A server "boss" and clients c1 "ann" and c2 "bob", all connected.
  void startThree() {
    make("s", "server", "boss");
    make("c1", "client", "ann");
    make("c2", "client", "bob");
    run("ask \"s [connect]");
    run("ask \"c1 [connect]");
    ASSERT_TRUE(connected("c1"));
    run("ask \"c2 [connect]");
    ASSERT_TRUE(connected("c2"));
  }
};

TEST_F(NetExchange, WordsAndListsTravelBothWaysAddressedAndBroadcast) {
  startThree();
  run("ask \"c1 [send [] [hello |big world| [1 2]]]");
  ASSERT_TRUE(seen("s: ann hello big world [1 2]"));
  ASSERT_TRUE(seen("c2: ann hello big world [1 2]"));
  run("ask \"s [send \"bob \"hi]");
  ASSERT_TRUE(seen("c2: boss hi"));
  run("ask \"c2 [send [ann boss] 42]");
  ASSERT_TRUE(seen("c1: bob 42"));
  ASSERT_TRUE(seen("s: bob 42"));
  // The list arrives as a list of three elements, the bars keep the word whole.
  run("ask \"c1 [send \"boss [hello |big world| [1 2]]]");
  ASSERT_TRUE(pumpUntil([&] { return readText("ask \"s [count message]") == "3"; }));
  EXPECT_EQ(readText("ask \"s [item 2 message]"), "big world");
  // The sender never hears its own broadcast, and bob was not addressed.
  EXPECT_FALSE(printedHas("c1: ann"));
  EXPECT_FALSE(printedHas("c2: bob"));
  EXPECT_FALSE(printedHas("c2: boss hi") && printedHas("c1: boss hi"));
}

TEST_F(NetExchange, SameNicksAreMadeUnique) {
  make("s", "server", "boss");
  make("c1", "client", "ann");
  make("c2", "client", "ann");
  make("c3", "client", "ann1");
  run("ask \"s [connect]");
  for (const char* client : {"c1", "c2", "c3"}) {
    run(std::string("ask \"") + client + " [connect]");
    ASSERT_TRUE(connected(client));
  }
  EXPECT_EQ(readText("ask \"s [users]"), "boss ann ann1 ann2");
  EXPECT_EQ(readText("ask \"c3 [users]"), "boss ann ann1 ann2");
  // Nicks compare without case; a nick change is granted unique too.
  run("ask \"c1 [setnickname \"BOSS]");
  ASSERT_TRUE(pumpUntil([&] { return readText("ask \"s [users]") == "boss BOSS1 ann1 ann2"; }));
}

TEST_F(NetExchange, EventsAndStatusesFollowOneAnother) {
  make("s", "server", "boss");
  make("c1", "client", "ann");
  printStatuses("c1");
  printStatuses("s");
  run("ask \"s [connect]");
  run("ask \"c1 [connect]");
  ASSERT_TRUE(seen("c1 status: Connected to the server."));
  ASSERT_TRUE(seen("s status: A new participant has connected from 127.0.0.1"));
  // A handler that waits holds back the next message: they arrive in order.
  run("ask \"s [setevent \"onReceive [wait 2 print (se \"s: message)]]");
  run("ask \"c1 [send [] 1 send [] 2 send [] 3]");
  ASSERT_TRUE(seen("s: 3"));
  std::vector<std::string> got;
  for (const std::string& line : lines)
    if (line.rfind("s: ", 0) == 0) got.push_back(line);
  EXPECT_EQ(got, (std::vector<std::string>{"s: 1", "s: 2", "s: 3"}));
  EXPECT_TRUE(seen("s status: A message has arrived."));
}

TEST_F(NetExchange, DisconnectIsSeenByTheOthers) {
  startThree();
  printStatuses("s");
  printStatuses("c2");
  run("ask \"c1 [disconnect]");
  ASSERT_TRUE(seen("s status: The connection with 127.0.0.1"));
  ASSERT_TRUE(pumpUntil([&] { return readText("ask \"c2 [users]") == "boss bob"; }));
  EXPECT_EQ(readText("ask \"c1 [connected?]"), "false");
  // The server going away is seen by its clients.
  run("ask \"s [disconnect]");
  ASSERT_TRUE(seen("c2 status: The connection to the server was closed."));
  EXPECT_EQ(readText("ask \"c2 [connected?]"), "false");
  EXPECT_EQ(errorOf("ask \"c2 [send [] 1]"), erNoConnection);
}

TEST_F(NetExchange, PortAndRoleChangesReconnect) {
  startThree();
  const int other = freePort();
  // The server moves: it listens on the new port, the old one is closed.
  run("ask \"s [setport " + std::to_string(other) + "]");
  EXPECT_EQ(readText("ask \"s [connected?]"), "true");
  ASSERT_TRUE(pumpUntil([&] { return readText("ask \"c1 [connected?]") == "false"; }));
  // A client that moves too connects to the new port at once.
  run("ask \"c1 [setport " + std::to_string(other) + "]");
  ASSERT_TRUE(connected("c1"));
  EXPECT_EQ(readText("ask \"s [users]"), "boss ann");
  // A role change disconnects and starts the new role.
  run("ask \"s [setstyle \"no]");
  EXPECT_EQ(readText("ask \"s [connected?]"), "false");
  run("ask \"c2 [setport " + std::to_string(other) + " setstyle \"server]");
  EXPECT_EQ(readText("ask \"c2 [style]"), "server");
  EXPECT_EQ(readText("ask \"c2 [connected?]"), "true");
}

TEST_F(NetExchange, RunRequestsRunOnlyWhereAllowed) {
  startThree();
  run("ask \"s [sendRun \"ann [3 + 4]]");
  ASSERT_TRUE(seen("c1: boss 3 + 4"));
  ASSERT_TRUE(seen("s: ann Error in instructions received over the network: runenabled \"false"));
  run("ask \"c1 [setrunenabled \"true]");
  run("ask \"s [sendRun \"ann [list 3 + 4 \"x]]");
  ASSERT_TRUE(seen("s: ann OK: [7 x]"));
  EXPECT_EQ(readText("ask \"s [count message]"), "2");  // the reply came back as a list
  run("ask \"s [sendRun \"ann [make \"done \"yes]]");
  ASSERT_TRUE(seenLine("s: ann OK"));
  EXPECT_EQ(readText(":done"), "yes");
  run("ask \"s [sendRun \"ann [print 1 / 0]]");
  ASSERT_TRUE(pumpUntil([&] { return printedHas("s: ann ") && lines.back().find("OK") == std::string::npos; }));
  run("ask \"s [sendRun \"ann \"|[unclosed|]");
  ASSERT_TRUE(seen("s: ann Error in instructions received over the network: "));
}

TEST_F(NetExchange, BadInputsRaiseTheirErrors) {
  make("s", "server", "boss");
  make("s2", "server", "other");
  make("c1", "client", "ann");
  EXPECT_EQ(errorOf("ask \"s [setstyle \"boss]"), erExpectNetStyle);
  EXPECT_EQ(errorOf("ask \"s [send [] 1]"), erNoConnection);
  run("ask \"s [connect]");
  EXPECT_EQ(errorOf("ask \"s2 [connect]"), erServerStart);
  EXPECT_EQ(errorOf("ask \"s [send emptyimage 1]"), erWrongSender);
  EXPECT_EQ(errorOf("ask \"s [send [ann [bob]] 1]"), erBadStructure);
  EXPECT_EQ(errorOf("ask \"s [receiveObject 5]"), erExpectList);
  run("ask \"c1 [setserver \"]");
  EXPECT_EQ(errorOf("ask \"c1 [connect]"), erServerMissing);
  run("ask \"c1 [setserver \"|no such host|]");
  EXPECT_EQ(errorOf("ask \"c1 [connect]"), erServerConnect);
  EXPECT_EQ(errorOf("ask \"Net [connect]"), erInitNet);
}

TEST_F(NetExchange, RefusedConnectionBecomesAStatus) {
  make("c1", "client", "ann");
  printStatuses("c1");
  run("ask \"c1 [connect]");  // nobody listens on the port
  ASSERT_TRUE(seen("c1 status: Network error: could not connect."));
  EXPECT_EQ(readText("ask \"c1 [connected?]"), "false");
}

TEST_F(NetExchange, InfoDescribesTheParticipants) {
  startThree();
  EXPECT_EQ(readText("ask \"s [count info \"ann]"), "4");
  EXPECT_EQ(readText("ask \"s [first info \"ann]"), "127.0.0.1");
  EXPECT_EQ(readText("ask \"s [count info []]"), "2");
  EXPECT_EQ(readText("ask \"c2 [count info []]"), "4");
  EXPECT_EQ(readText("ask \"c2 [info \"nobody]"), "");
}

}  // namespace
}  // namespace lx::testing
