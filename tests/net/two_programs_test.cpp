// Two runtimes on loopback, each a `lumaxis` program of its own reading a
// Logo script: a server that echoes what it gets and runs what it is
// allowed to, and a client that talks to it and leaves.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <tuple>

#include "net_test_world.h"

namespace lx::testing {
namespace {

namespace fs = std::filesystem;

fs::path writeScript(const std::string& name, const std::string& text) {
  const fs::path file = fs::temp_directory_path() / ("lx-net-" + std::to_string(::getpid()) + "-" + name);
  std::ofstream(file) << text;
  return file;
}

// A program that waits forever for a message that never comes is ended,
// so that the test fails instead of hanging.
std::string programCommand(const fs::path& script) {
  return std::string("timeout 120 env -u DISPLAY -u WAYLAND_DISPLAY ") + LX_LUMAXIS +
         " --console --headless --run-ms 30000 <" + script.string() + " 2>&1";
}

// Runs a program and gives everything it wrote.
std::string outputOf(FILE* program) {
  std::string text;
  char buffer[4096];
  while (size_t count = std::fread(buffer, 1, sizeof buffer, program)) text.append(buffer, count);
  pclose(program);
  return text;
}

// Waits until the server program accepts connections (a connection that
// never introduces itself is no participant: the server says nothing).
bool listening(int port) {
  for (int attempt = 0; attempt < 200; ++attempt) {
    asio::io_context context;
    asio::ip::tcp::socket probe(context);
    asio::error_code error;
    probe.connect({asio::ip::address_v4::loopback(), static_cast<unsigned short>(port)}, error);
    if (!error) return true;
    ::usleep(50000);
  }
  return false;
}

// Starts the server's script, runs the client's once the server listens,
// and answers what each printed (the client's first); removes both scripts.
std::pair<std::string, std::string> runServerThenClient(const fs::path& server, const fs::path& client, int port) {
  FILE* serverRun = popen(programCommand(server).c_str(), "r");
  std::pair<std::string, std::string> out;
  if (serverRun) {
    EXPECT_TRUE(listening(port)) << "the server never listened";
    out.first = outputOf(popen(programCommand(client).c_str(), "r"));
    out.second = outputOf(serverRun);
  }
  EXPECT_NE(serverRun, nullptr);
  fs::remove(server);
  fs::remove(client);
  return out;
}

// The lines that begin with "got", how many say a message arrived, and
// the others.
std::tuple<std::string, int, std::string> splitLines(const std::string& text) {
  std::tuple<std::string, int, std::string> split;
  std::istringstream lines(text);
  for (std::string line; std::getline(lines, line);) {
    if (line.rfind("got", 0) == 0) {
      std::get<0>(split) += line + "\n";
    } else if (line == "A message has arrived.") {
      ++std::get<1>(split);
    } else {
      std::get<2>(split) += line + "\n";
    }
  }
  return split;
}

// The client's last message and its disconnect are the last things its
// script does: the program must not end before they have left.
TEST(TwoPrograms, ServerAndClientExchangeAndPart) {
  const std::string port = std::to_string(freePort());
  const fs::path server = writeScript("server.lgo", R"(new "Net [name s]
ask "s [setstyle "server setport )" + port + R"( setnickname "boss setrunenabled "true]
make "done "false
ask "s [setevent "onReceive [print (se "got sender message) ifelse message = "bye [make "done "true] [send sender message]]]
make "statuses 0
ask "s [setevent "onStatusChanged [print status make "statuses :statuses + 1]]
ask "s [connect]
waituntil [:done]
waituntil [:statuses = 4]
print ask "s [users]
)");
  const fs::path client = writeScript("client.lgo", R"(new "Net [name c]
ask "c [setstyle "client setserver "127.0.0.1 setport )" + port + R"( setnickname "ann]
make "echo []
ask "c [setevent "onReceive [make "echo message]]
ask "c [connect]
waituntil [ask "c [connected?]]
ask "c [send "boss [1 [2 3] |a b|]]
waituntil [not emptyp :echo]
print :echo
print count :echo
ask "c [sendRun "boss [product 3 4]]
waituntil [:echo = [OK: 12]]
print :echo
print ask "c [users]
ask "c [send [] "bye]
ask "c [disconnect]
)");
  const auto [clientOut, serverOut] = runServerThenClient(server, client, std::stoi(port));
  EXPECT_EQ(clientOut, "1 [2 3] a b\n3\nOK: 12\nboss ann\n");
  // Messages and statuses raise their events each in their own order;
  // the two orders interleave as the processes run, and a message's status
  // comes when it is delivered, which may be after the sender has left.
  const auto [got, arrived, statuses] = splitLines(serverOut);
  EXPECT_EQ(got, "got ann 1 [2 3] a b\ngot ann bye\n");
  EXPECT_EQ(arrived, 2);
  EXPECT_EQ(statuses,
            "A new participant has connected from 127.0.0.1 (127.0.0.1).\n"
            "The connection with 127.0.0.1 (127.0.0.1) was closed.\n"
            "boss\n");
}

// A turtle with an own variable, a procedure and an event handler travels
// whole: the receiver makes it inside the container it names, where it
// keeps its place, its variable and what it can do.
TEST(TwoPrograms, ObjectTravelsWhole) {
  const std::string port = std::to_string(freePort());
  const fs::path server = writeScript("oserver.lgo", R"(new "Net [name s]
ask "s [setstyle "server setport )" + port + R"( setnickname "boss]
make "done "false
ask "s [setevent "onReceiveObject [print (se "from sender) make "done "true]]
ask "s [connect]
waituntil [:done]
ask "s [receiveObject [page1]]
print ask "bob [:age]
print ask "bob [pos]
ask "bob [hop 5]
print ask "bob [pos]
show ask "bob [ask "myPlace [myname]]
ask "bob [runevent "onClick]
ask "s [disconnect]
)");
  const fs::path client = writeScript("oclient.lgo", R"(new "turtle [name bob pos [30 40]]
ask "bob [haveown "age 7]
ask "bob [define "hop [[n] [fd :n]]]
ask "bob [setevent "onClick [print (se "clicked :age)]]
new "Net [name c]
ask "c [setstyle "client setserver "127.0.0.1 setport )" + port + R"( setnickname "ann]
ask "c [connect]
waituntil [ask "c [connected?]]
ask "c [sendObject "boss "bob]
ask "c [disconnect]
)");
  const auto [clientOut, serverOut] = runServerThenClient(server, client, std::stoi(port));
  EXPECT_EQ(clientOut, "");
  EXPECT_EQ(serverOut, "from ann\n7\n30 40\n30 45\npage1\nclicked 7\n");
}

}  // namespace
}  // namespace lx::testing
