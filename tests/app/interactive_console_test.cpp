// The interactive console driven through a pseudo-terminal, as a user at a
// terminal drives it: the prompt, the history (also across sessions), the
// continuation prompt, Ctrl+C and Ctrl+D. Every step waits for the text it
// expects to appear, with a generous time limit, never for a fixed time.
#include <gtest/gtest.h>
#include <poll.h>
#include <pty.h>
#include <signal.h>
#include <sys/wait.h>
#include <termios.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <string>

namespace lx {
namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

constexpr auto kPatience = std::chrono::seconds(30);
constexpr const char* kUp = "\x1b[A";
constexpr const char* kCtrlC = "\x03";
constexpr const char* kCtrlD = "\x04";

// The console program on the far side of a pseudo-terminal. Output is
// consumed as it is expected, so each expectation looks only at what came
// after the last one.
class TerminalSession {
 public:
  TerminalSession(const fs::path& dataHome, bool colour) {
    winsize size{};
    size.ws_row = 30;
    size.ws_col = 100;
    child_ = forkpty(&master_, nullptr, nullptr, &size);
    if (child_ == 0) startConsole(dataHome, colour);
  }
  ~TerminalSession() {
    if (child_ > 0 && !ended_) {
      kill(child_, SIGKILL);
      waitpid(child_, nullptr, 0);
    }
    if (master_ >= 0) close(master_);
  }

  bool started() const { return child_ > 0; }

  void type(const std::string& keys) {
    ASSERT_EQ(write(master_, keys.data(), keys.size()), static_cast<ssize_t>(keys.size()));
  }

  // Reads until `text` has appeared; answers whether it did in time.
  bool expect(const std::string& text) {
    const auto deadline = Clock::now() + kPatience;
    for (;;) {
      const size_t at = pending_.find(text);
      if (at != std::string::npos) {
        seen_ += pending_.substr(0, at + text.size());
        pending_.erase(0, at + text.size());
        return true;
      }
      if (!readSome(deadline)) return false;
    }
  }

  // Waits for the program to end; answers its exit status, or -1.
  int exitStatus() {
    const auto deadline = Clock::now() + kPatience;
    while (Clock::now() < deadline) {
      int status = 0;
      if (waitpid(child_, &status, WNOHANG) == child_) {
        ended_ = true;
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
      }
      readSome(Clock::now() + std::chrono::milliseconds(100));
    }
    return -1;
  }

  // Whether the terminal is in its own line mode (the master side reads
  // the settings the program's side has).
  bool lineMode() const {
    termios settings{};
    return tcgetattr(master_, &settings) == 0 && (settings.c_lflag & ICANON) && (settings.c_lflag & ECHO);
  }
  void signal(int number) const { kill(child_, number); }

  // What came so far, for failure messages.
  std::string transcript() const { return seen_ + pending_; }
  // How much of the transcript the expectations have passed.
  size_t passed() const { return seen_.size(); }

 private:
  [[noreturn]] static void startConsole(const fs::path& dataHome, bool colour) {
    setenv("TERM", "xterm", 1);
    setenv("XDG_DATA_HOME", dataHome.c_str(), 1);
    setenv("EDITRC", "/dev/null", 1);
    if (colour)
      unsetenv("NO_COLOR");
    else
      setenv("NO_COLOR", "1", 1);
    unsetenv("DISPLAY");
    unsetenv("WAYLAND_DISPLAY");
    execl(LX_LUMAXIS, LX_LUMAXIS, "--console", "--headless", static_cast<char*>(nullptr));
    _exit(127);
  }

  bool readSome(Clock::time_point deadline) {
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
    if (left.count() <= 0) return false;
    pollfd wait{master_, POLLIN, 0};
    if (poll(&wait, 1, static_cast<int>(left.count())) <= 0) return false;
    char buffer[4096];
    const ssize_t got = read(master_, buffer, sizeof buffer);
    if (got <= 0) return false;
    pending_.append(buffer, static_cast<size_t>(got));
    return true;
  }

  int master_ = -1;
  pid_t child_ = -1;
  bool ended_ = false;
  std::string seen_, pending_;
};

class InteractiveConsole : public ::testing::Test {
 protected:
  void SetUp() override {
    dataHome_ = fs::temp_directory_path() / ("lx-interactive-" + std::to_string(::getpid()) + "-" +
                                             ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(dataHome_);
    fs::create_directories(dataHome_);
  }
  void TearDown() override { fs::remove_all(dataHome_); }

  fs::path dataHome_;
};

#define EXPECT_SHOWN(session, text) \
  ASSERT_TRUE((session).expect(text)) << "waiting for " << (text) << " in:\n" << (session).transcript()

TEST_F(InteractiveConsole, APromptALineAndUpRecallsIt) {
  TerminalSession session(dataHome_, false);
  ASSERT_TRUE(session.started());
  EXPECT_SHOWN(session, "? ");
  session.type("print 6*7\r");
  EXPECT_SHOWN(session, "42\r\n");
  EXPECT_SHOWN(session, "? ");
  session.type(kUp);
  EXPECT_SHOWN(session, "print 6*7");
  session.type("\r");
  EXPECT_SHOWN(session, "42\r\n");
  EXPECT_SHOWN(session, "? ");
  session.type(kCtrlD);
  EXPECT_EQ(session.exitStatus(), 0) << session.transcript();
}

TEST_F(InteractiveConsole, TheHistoryIsKeptForTheNextSession) {
  {
    TerminalSession first(dataHome_, false);
    EXPECT_SHOWN(first, "? ");
    first.type("print 11*11\r");
    EXPECT_SHOWN(first, "121\r\n");
    EXPECT_SHOWN(first, "? ");
    first.type(kCtrlD);
    ASSERT_EQ(first.exitStatus(), 0) << first.transcript();
  }
  EXPECT_TRUE(fs::exists(dataHome_ / "lumaxis" / "history"));
  TerminalSession second(dataHome_, false);
  EXPECT_SHOWN(second, "? ");
  second.type(std::string(kUp) + "\r");
  EXPECT_SHOWN(second, "121\r\n");
}

TEST_F(InteractiveConsole, UnfinishedInstructionsContinueOnAPromptOfTheirOwn) {
  TerminalSession session(dataHome_, false);
  EXPECT_SHOWN(session, "? ");
  session.type("repeat 2 [\r");
  EXPECT_SHOWN(session, "~ ");
  session.type("print \"hi ]\r");
  EXPECT_SHOWN(session, "\r\nhi\r\nhi\r\n");
  EXPECT_SHOWN(session, "? ");
  session.type("to twice :x\r");
  EXPECT_SHOWN(session, "~ ");
  session.type("output :x * 2\r");
  EXPECT_SHOWN(session, "~ ");
  session.type("end\r");
  EXPECT_SHOWN(session, "? ");
  session.type("print twice ~\r");
  EXPECT_SHOWN(session, "~ ");
  session.type("21\r");
  EXPECT_SHOWN(session, "42\r\n");
}

TEST_F(InteractiveConsole, CtrlCStopsAForeverAndThePromptComesBack) {
  TerminalSession session(dataHome_, false);
  EXPECT_SHOWN(session, "? ");
  session.type("forever [print \"tick wait 20]\r");
  // Printed, not the echo of the line typed.
  EXPECT_SHOWN(session, "tick\r\n");
  session.type(kCtrlC);
  EXPECT_SHOWN(session, "^C");
  EXPECT_SHOWN(session, "? ");
  const size_t promptBack = session.passed();
  // The prompt comes back once the stopped processes have ended: only this
  // line's own process runs.
  session.type("print count allprocesses\r");
  EXPECT_SHOWN(session, "1\r\n");
  EXPECT_SHOWN(session, "? ");
  session.type("print \"quiet\r");
  EXPECT_SHOWN(session, "\r\nquiet\r\n");
  EXPECT_EQ(session.transcript().find("tick", promptBack), std::string::npos) << session.transcript();
}

TEST_F(InteractiveConsole, CtrlCStopsTheRunningLineAndTheProgramGoesOn) {
  TerminalSession session(dataHome_, false);
  EXPECT_SHOWN(session, "? ");
  session.type("print \"started repeat 1000000 [wait 10]\r");
  EXPECT_SHOWN(session, "started\r\n");
  session.type(kCtrlC);
  EXPECT_SHOWN(session, "? ");
  session.type("print \"after\r");
  EXPECT_SHOWN(session, "\r\nafter\r\n");
  // Ctrl+C at the prompt drops the line being typed.
  session.type("print \"dropped");
  EXPECT_SHOWN(session, "dropped");
  session.type(kCtrlC);
  EXPECT_SHOWN(session, "? ");
  session.type("print \"kept\r");
  EXPECT_SHOWN(session, "\r\nkept\r\n");
  EXPECT_EQ(session.transcript().find("dropped\r\n"), std::string::npos) << session.transcript();
  session.type(kCtrlD);
  EXPECT_EQ(session.exitStatus(), 0) << session.transcript();
}

TEST_F(InteractiveConsole, CtrlDEndsWhileProcessesRun) {
  TerminalSession session(dataHome_, false);
  EXPECT_SHOWN(session, "? ");
  session.type("forever [wait 10]\r");
  EXPECT_SHOWN(session, "? ");
  session.type(kCtrlD);
  EXPECT_EQ(session.exitStatus(), 0) << session.transcript();
}

TEST_F(InteractiveConsole, KeysTypedAheadWaitForTheNextPrompt) {
  TerminalSession session(dataHome_, false);
  EXPECT_SHOWN(session, "? ");
  // All at once: the second line and Ctrl+D come while the first runs.
  session.type(std::string("wait 50 print 1+1\rprint 3*3\r") + kCtrlD);
  EXPECT_SHOWN(session, "\r\n2\r\n");
  EXPECT_SHOWN(session, "? print 3*3");
  EXPECT_SHOWN(session, "\r\n9\r\n");
  EXPECT_EQ(session.exitStatus(), 0) << session.transcript();
  // Shown once, by the editor, not echoed by the terminal before.
  const std::string shown = session.transcript();
  EXPECT_EQ(shown.find("print 3*3"), shown.rfind("print 3*3")) << shown;
}

TEST_F(InteractiveConsole, ReadwordReadsATypedLineAndCtrlCEndsItsWait) {
  TerminalSession session(dataHome_, false);
  EXPECT_SHOWN(session, "? ");
  session.type("print word readword \"!\r");
  session.type("typed\r");
  EXPECT_SHOWN(session, "typed!\r\n");
  EXPECT_SHOWN(session, "? ");
  session.type("print word \"waiting readword\r");
  EXPECT_SHOWN(session, "readword\r\n");
  session.type(kCtrlC);
  EXPECT_SHOWN(session, "? ");
  session.type("print 5*5\r");
  EXPECT_SHOWN(session, "25\r\n");
  EXPECT_EQ(session.transcript().find("waiting"), session.transcript().rfind("waiting"))
      << session.transcript();
}

TEST_F(InteractiveConsole, SigtermEndsTheSessionAndGivesTheTerminalBack) {
  TerminalSession session(dataHome_, false);
  EXPECT_SHOWN(session, "? ");
  session.type("forever [wait 10]\r");
  EXPECT_SHOWN(session, "? ");
  // While the session runs the terminal stays in the editor's mode.
  EXPECT_FALSE(session.lineMode());
  session.signal(SIGTERM);
  EXPECT_EQ(session.exitStatus(), 128 + SIGTERM) << session.transcript();
  EXPECT_TRUE(session.lineMode());
}

TEST_F(InteractiveConsole, ErrorsShowTheirCaptionInColour) {
  TerminalSession session(dataHome_, true);
  EXPECT_SHOWN(session, "? ");
  session.type("print 1 / 0\r");
  EXPECT_SHOWN(session, "\x1b[1;31mError\x1b[0m");
  EXPECT_SHOWN(session, "divide by zero");
  EXPECT_SHOWN(session, "? ");
  session.type("print \"fine\r");
  EXPECT_SHOWN(session, "\r\nfine\r\n");
}

}  // namespace
}  // namespace lx
