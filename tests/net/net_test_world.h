// The world network tests run in: the headless platform on the test's
// thread (the user-interface thread, which delivers what arrives), the
// object model with the graphics and network classes, and a Logo session.
// Several network objects of one world talk to each other over loopback:
// one server and as many clients as a test wants.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <functional>
#include <random>
#include <string>
#include <vector>

#include <asio/ip/tcp.hpp>

#include "graphics/graphics_classes.h"
#include "interp/scheduler.h"
#include "net/net_classes.h"
#include "net/net_io.h"
#include "objects/main_object.h"
#include "objects/object_primitives.h"
#include "objects/object_world.h"
#include "platform/platform.h"
#include "prims/global_primitives.h"
#include "support/logo_session.h"

namespace lx::testing {

// A port nobody listens on right now, below the range the system takes
// the local ports of outgoing connections from: a port from that range may
// be given to some connection (a probe's, another test's) before the server
// listens on it, and a probe to it may even connect to itself.
inline int freePort() {
  static std::mt19937 pick(std::random_device{}());
  for (;;) {
    const auto port = static_cast<unsigned short>(std::uniform_int_distribution<int>(20000, 32000)(pick));
    asio::ip::tcp::acceptor probe(netContext());
    asio::error_code error;
    probe.open(asio::ip::tcp::v4(), error);
    if (!error) probe.bind({asio::ip::tcp::v4(), port}, error);
    if (!error) return port;
  }
}

class NetTest : public ::testing::Test {
 protected:
  struct World {
    World() {
      prepareLogoWorld();
      if (!startedPlatform()) startPlatform(BackendRequest::Headless);
      tMainLogoObject& main = startObjectModel([](tLogoTab& table) {
        registerGlobalPrimitives(table);
        registerObjectPrimitives(table);
      });
      registerGraphicsClasses(main);
      registerNetClasses(main);
    }
    ~World() { stopObjectModel(); }
  };

  NetTest() : port(freePort()) {}
  // Every object the tests make stops its sockets before the world goes.
  ~NetTest() override {
    for (const char* name : {"s", "s2", "c1", "c2", "c3"}) logo.errorOf(std::string("ask \"") + name + " [abort]");
  }

  void run(const std::string& text) { logo.run(text); }
  errorConst errorOf(const std::string& text) { return logo.errorOf(text); }

  // Makes a network object `name` in role `style` on the test's port,
  // printing what it receives as "name: sender message" and its statuses as
  // "name status: text".
  void make(const std::string& name, const std::string& style, const std::string& nick) {
    run("new \"Net [name " + name + "]");
    run("ask \"" + name + " [setstyle \"" + style + " setport " + std::to_string(port) +
        " setserver \"127.0.0.1 setnickname \"" + nick + "]");
    run("ask \"" + name + " [setevent \"onReceive [print (se \"" + name + ": sender message)]]");
  }
  void printStatuses(const std::string& name) {
    run("ask \"" + name + " [setevent \"onStatusChanged [print (se \"" + name + "| status:| status)]]");
  }

  // Runs the user-interface thread (which delivers what arrived) until
  // `done` answers true; false when ten seconds pass first.
  bool pumpUntil(const std::function<bool()>& done) { return pumpUntilOr(std::chrono::seconds(10), done); }
  bool pumpUntilOr(std::chrono::milliseconds limit, const std::function<bool()>& done) {
    const auto deadline = std::chrono::steady_clock::now() + limit;
    while (std::chrono::steady_clock::now() < deadline) {
      collect();
      if (done()) return true;
      uiThread().runFor(std::chrono::milliseconds(10));
    }
    collect();
    return done();
  }
  // Waits until a line containing `text` was printed.
  bool seen(const std::string& text) {
    return pumpUntil([&] { return printedHas(text); });
  }
  // Waits until exactly `line` was printed.
  bool seenLine(const std::string& line) {
    return pumpUntil([&] { return std::find(lines.begin(), lines.end(), line) != lines.end(); });
  }
  bool printedHas(const std::string& text) const {
    for (const std::string& line : lines)
      if (line.find(text) != std::string::npos) return true;
    return false;
  }
  bool connected(const std::string& name) {
    return pumpUntil([&] { return readText("ask \"" + name + " [connected?]") == "true"; });
  }
  // The print form of what `expression` outputs.
  std::string readText(const std::string& expression);
  void collect() {
    for (std::string& line : logo.takePrinted()) lines.push_back(std::move(line));
  }

  World world;
  LogoSession logo;
  int port;
  std::vector<std::string> lines;
};

}  // namespace lx::testing
