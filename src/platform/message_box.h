// Message boxes. With a display they are real modal boxes; headless (every
// test and CI) the caption and text go to standard error. Either way they
// are recorded so that tests can see what the user would have seen.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace lx {

struct ShownMessage {
  std::string caption;  // internal text (code page 1250)
  std::string text;
};

// Shows a message box with an exclamation icon and one OK button, and waits
// until it is closed. Caption and text are internal text. Any thread. The
// box is shown by the started backend (platform.h); before one is started,
// and after, it is shown the headless way.
void showMessageBox(std::string_view caption, std::string_view text);

// The messages shown so far, oldest first; tests clear them.
std::vector<ShownMessage> shownMessages();
void clearShownMessages();
// Silences the standard error copy of headless message boxes (tests that
// expect messages keep their output readable).
void setMessageBoxEcho(bool echo);

// The headless way of showing a box: "[caption] text" on standard error,
// unless the echo is off. For the headless backend.
void writeMessageBoxToStandardError(std::string_view caption, std::string_view text);

}  // namespace lx
