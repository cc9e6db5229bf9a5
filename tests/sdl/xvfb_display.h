// A virtual X display for tests of real windows: an Xvfb server the test
// starts on a free display number and ends again, the programs it runs on
// that display, and what a user would do there (find a window, click into
// it, take its picture, ask it to close) through xdotool, ImageMagick's
// import and Xlib.
#pragma once

#include <sys/types.h>

#include <chrono>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace lx::testing {

class XvfbDisplay {
 public:
  XvfbDisplay() = default;
  // Ends the server this object started.
  ~XvfbDisplay();
  XvfbDisplay(const XvfbDisplay&) = delete;
  XvfbDisplay& operator=(const XvfbDisplay&) = delete;

  // Starts Xvfb on a display it finds free; false, with the reason in
  // `error`, when it cannot (no Xvfb installed, none starts).
  bool start(std::string& error);
  const std::string& name() const { return name_; }  // ":93"

  // Runs a shell command with DISPLAY set to this display; answers its
  // standard output, none when it failed.
  std::optional<std::string> run(const std::string& command) const;
  // The id of the first visible window whose name matches `title` exactly,
  // waiting for one up to `patience`.
  std::optional<unsigned long> findWindow(const std::string& title, std::chrono::milliseconds patience) const;
  // Moves the pointer to a point of the window and clicks the left button.
  bool click(unsigned long window, int x, int y) const;
  // Gives the window the keyboard and presses the keys, named as xdotool
  // names them ("shift+a", "exclam", "F5").
  bool typeKeys(unsigned long window, const std::string& keys) const;
  // Writes the window's picture as a PNG file.
  bool screenshot(unsigned long window, const std::filesystem::path& file) const;
  // Asks the window to close, as a window manager's close button does.
  bool requestClose(unsigned long window) const;

 private:
  pid_t server_ = -1;
  std::string name_;
};

// A program started with its standard output and error in files; killed
// when the object goes if it has not ended by then.
class StartedProgram {
 public:
  StartedProgram(const std::vector<std::string>& arguments, const std::string& display,
                 const std::filesystem::path& out, const std::filesystem::path& err);
  ~StartedProgram();
  StartedProgram(const StartedProgram&) = delete;
  StartedProgram& operator=(const StartedProgram&) = delete;

  bool started() const { return pid_ > 0; }
  // Waits for the program's end up to `patience`; its exit status, or none
  // when it is still running (or ended by a signal).
  std::optional<int> waitForExit(std::chrono::milliseconds patience);

 private:
  pid_t pid_ = -1;
  bool ended_ = false;
};

// The file's text, or "" when it cannot be read.
std::string readFile(const std::filesystem::path& file);
// Waits until the file holds `text`, up to `patience`.
bool waitForText(const std::filesystem::path& file, const std::string& text,
                 std::chrono::milliseconds patience);

}  // namespace lx::testing
