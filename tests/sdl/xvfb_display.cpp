// The virtual X display of the window tests.
#include "xvfb_display.h"

#include <X11/Xlib.h>
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstring>
#include <fstream>
#include <sstream>
#include <thread>

extern char** environ;

namespace lx::testing {
namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

constexpr int kDisplayFd = 3;  // where Xvfb writes the number of its display

// The environment with DISPLAY set to `display` (or taken out when empty).
std::vector<std::string> environmentWith(const std::string& display) {
  std::vector<std::string> env;
  for (char** at = environ; *at; ++at)
    if (std::strncmp(*at, "DISPLAY=", 8) != 0) env.emplace_back(*at);
  if (!display.empty()) env.push_back("DISPLAY=" + display);
  return env;
}

std::vector<char*> pointers(std::vector<std::string>& strings) {
  std::vector<char*> out;
  for (std::string& s : strings) out.push_back(s.data());
  out.push_back(nullptr);
  return out;
}

pid_t spawn(std::vector<std::string> arguments, const std::string& display, const fs::path& out,
            const fs::path& err) {
  posix_spawn_file_actions_t files;
  posix_spawn_file_actions_init(&files);
  posix_spawn_file_actions_addopen(&files, 0, "/dev/null", O_RDONLY, 0);
  posix_spawn_file_actions_addopen(&files, 1, out.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
  posix_spawn_file_actions_addopen(&files, 2, err.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
  std::vector<std::string> env = environmentWith(display);
  std::vector<char*> argv = pointers(arguments);
  std::vector<char*> envp = pointers(env);
  pid_t pid = -1;
  if (posix_spawnp(&pid, argv[0], &files, nullptr, argv.data(), envp.data()) != 0) pid = -1;
  posix_spawn_file_actions_destroy(&files);
  return pid;
}

// The digits Xvfb writes when its display is ready, waiting up to 10 s;
// "" when it wrote none (it could not start).
std::string readDisplayNumber(int fd) {
  std::string number;
  const auto deadline = Clock::now() + std::chrono::seconds(10);
  while (Clock::now() < deadline) {
    pollfd ready{fd, POLLIN, 0};
    if (poll(&ready, 1, 100) <= 0) continue;
    char c;
    if (read(fd, &c, 1) != 1) break;
    if (c == '\n') break;
    if (c >= '0' && c <= '9') number += c;
  }
  return number;
}

}  // namespace

// --- The server ---

XvfbDisplay::~XvfbDisplay() {
  if (server_ <= 0) return;
  kill(server_, SIGTERM);
  waitpid(server_, nullptr, 0);
}

// Xvfb chooses a free display itself and writes its number to the pipe it
// is given, so tests running side by side never share a display.
bool XvfbDisplay::start(std::string& error) {
  int pipeEnds[2];
  if (pipe(pipeEnds) != 0) {
    error = "no pipe for Xvfb";
    return false;
  }
  posix_spawn_file_actions_t files;
  posix_spawn_file_actions_init(&files);
  posix_spawn_file_actions_addopen(&files, 0, "/dev/null", O_RDONLY, 0);
  posix_spawn_file_actions_addopen(&files, 1, "/dev/null", O_WRONLY, 0);
  posix_spawn_file_actions_addopen(&files, 2, "/dev/null", O_WRONLY, 0);
  // The read end goes first: it may be the very number the write end is
  // to take.
  posix_spawn_file_actions_addclose(&files, pipeEnds[0]);
  posix_spawn_file_actions_adddup2(&files, pipeEnds[1], kDisplayFd);
  std::vector<std::string> arguments{"Xvfb",      "-displayfd", std::to_string(kDisplayFd),
                                     "-screen",   "0",          "1280x1024x24",
                                     "-nolisten", "tcp",        "-noreset"};
  std::vector<std::string> env = environmentWith("");
  std::vector<char*> argv = pointers(arguments);
  std::vector<char*> envp = pointers(env);
  if (posix_spawnp(&server_, argv[0], &files, nullptr, argv.data(), envp.data()) != 0) server_ = -1;
  posix_spawn_file_actions_destroy(&files);
  close(pipeEnds[1]);
  const std::string number = readDisplayNumber(pipeEnds[0]);
  close(pipeEnds[0]);
  if (server_ > 0 && !number.empty()) {
    name_ = ":" + number;
    return true;
  }
  error = "Xvfb cannot be started (is the xvfb package installed?)";
  return false;
}

// --- What a user does there ---

std::optional<std::string> XvfbDisplay::run(const std::string& command) const {
  const std::string line = "DISPLAY=" + name_ + " " + command + " 2>/dev/null";
  FILE* pipe = popen(line.c_str(), "r");
  if (!pipe) return std::nullopt;
  std::string out;
  char buffer[512];
  while (size_t got = fread(buffer, 1, sizeof buffer, pipe)) out.append(buffer, got);
  if (pclose(pipe) != 0) return std::nullopt;
  return out;
}

std::optional<unsigned long> XvfbDisplay::findWindow(const std::string& title,
                                                     std::chrono::milliseconds patience) const {
  const auto deadline = Clock::now() + patience;
  do {
    if (std::optional<std::string> ids = run("xdotool search --onlyvisible --name '^" + title + "$'")) {
      std::istringstream lines(*ids);
      unsigned long id = 0;
      if (lines >> id) return id;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
  } while (Clock::now() < deadline);
  return std::nullopt;
}

bool XvfbDisplay::click(unsigned long window, int x, int y) const {
  return run("xdotool mousemove --window " + std::to_string(window) + " " + std::to_string(x) + " " +
             std::to_string(y) + " click 1")
      .has_value();
}

bool XvfbDisplay::typeKeys(unsigned long window, const std::string& keys) const {
  const std::string id = std::to_string(window);
  return run("xdotool windowfocus --sync " + id + " key --delay 20 " + keys).has_value();
}

bool XvfbDisplay::screenshot(unsigned long window, const fs::path& file) const {
  return run("import -window " + std::to_string(window) + " '" + file.string() + "'").has_value();
}

bool XvfbDisplay::requestClose(unsigned long window) const {
  Display* display = XOpenDisplay(name_.c_str());
  if (!display) return false;
  XEvent event{};
  event.xclient.type = ClientMessage;
  event.xclient.window = window;
  event.xclient.message_type = XInternAtom(display, "WM_PROTOCOLS", False);
  event.xclient.format = 32;
  event.xclient.data.l[0] = static_cast<long>(XInternAtom(display, "WM_DELETE_WINDOW", False));
  event.xclient.data.l[1] = CurrentTime;
  const bool sent = XSendEvent(display, window, False, NoEventMask, &event) != 0;
  XFlush(display);
  XCloseDisplay(display);
  return sent;
}

// --- Programs ---

StartedProgram::StartedProgram(const std::vector<std::string>& arguments, const std::string& display,
                               const fs::path& out, const fs::path& err)
    : pid_(spawn(arguments, display, out, err)) {}

StartedProgram::~StartedProgram() {
  if (pid_ <= 0 || ended_) return;
  kill(pid_, SIGKILL);
  waitpid(pid_, nullptr, 0);
}

std::optional<int> StartedProgram::waitForExit(std::chrono::milliseconds patience) {
  if (pid_ <= 0 || ended_) return std::nullopt;
  const auto deadline = Clock::now() + patience;
  for (;;) {
    int status = 0;
    if (waitpid(pid_, &status, WNOHANG) == pid_) {
      ended_ = true;
      if (WIFEXITED(status)) return WEXITSTATUS(status);
      return std::nullopt;
    }
    if (Clock::now() >= deadline) return std::nullopt;
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
}

std::string readFile(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

bool waitForText(const fs::path& file, const std::string& text, std::chrono::milliseconds patience) {
  const auto deadline = Clock::now() + patience;
  while (readFile(file).find(text) == std::string::npos) {
    if (Clock::now() >= deadline) return false;
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
  return true;
}

}  // namespace lx::testing
