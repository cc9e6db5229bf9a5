// Objects received over the network: what a stranger's description may make
// run, with and without run permission.
#include "app/net_object_text.h"

#include <gtest/gtest.h>

#include <chrono>
#include <thread>

#include "interp/process_list.h"
#include "interp/scheduler.h"
#include "project_world.h"
#include "values/list.h"

namespace lx::testing {
namespace {

class NetObjectText : public ProjectTest {
 protected:
  void recreate(const std::string& text, bool runAllowed) {
    InterpreterLockScope locked;
    netObjectText().recreate(text, Value(tLogoList::empty()), runAllowed);
  }
};

// A description that makes an object and then does more: a command line and
// a procedure of the receiving project's own.
constexpr const char* kLaden =
    "; name: \"x\"\r\n\r\n"
    ".new. \"main [132 bob\r\n\tdefine'hop |to hop\xB6" "output 5\xB6" "end|\r\n\r\n"
    "make \"taken \"yes\r\n\r\n"
    "to greet\r\noutput \"hello\r\nend\r\n\r\n";

TEST_F(NetObjectText, WithoutRunPermissionOnlyTheObjectIsMade) {
  recreate(kLaden, false);
  ASSERT_NE(object("bob"), nullptr);
  run("print ask \"bob [hop]");
  EXPECT_EQ(take(), std::vector<std::string>{"5"});
  EXPECT_NE(errorOf("print :taken"), erUnexpected);
  EXPECT_NE(errorOf("print greet"), erUnexpected);
  // A line that looks like a made object but computes its inputs is left out.
  recreate(".new. (word \"ma \"in) [132 ann]\r\n\r\n", false);
  EXPECT_EQ(object("ann"), nullptr);
}

TEST_F(NetObjectText, WithRunPermissionTheWholeTextLoads) {
  recreate(kLaden, true);
  ASSERT_NE(object("bob"), nullptr);
  run("print :taken print greet");
  EXPECT_EQ(take(), (std::vector<std::string>{"yes", "hello"}));
}

// A received object's load handler is a stranger's code too: it runs only
// with run permission.
TEST_F(NetObjectText, TheLoadHandlerOfAReceivedObjectRunsOnlyWithRunPermission) {
  recreate(kLaden, true);
  run("ask \"bob [setevent \"onLoad [make \"loaded \"yes]]");
  std::string text;
  {
    InterpreterLockScope locked;
    text = netObjectText().describe(*object("bob"));
  }
  run("eraseobject \"bob");
  recreate(text, false);
  ASSERT_NE(object("bob"), nullptr);
  EXPECT_EQ(allThreads().count(), 0u);
  EXPECT_NE(errorOf("print :loaded"), erUnexpected);

  run("eraseobject \"bob");
  recreate(text, true);
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
  while (errorOf("print :loaded") != erUnexpected && std::chrono::steady_clock::now() < deadline)
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  EXPECT_EQ(errorOf("print :loaded"), erUnexpected);
}

}  // namespace
}  // namespace lx::testing
