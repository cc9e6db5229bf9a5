// Message boxes. With a display they are real modal boxes; headless (every
// test and CI) the caption and text go to standard error and are recorded so
// that tests can see what the user would have seen.
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
// until it is closed. Caption and text are internal text.
void showMessageBox(std::string_view caption, std::string_view text);

// The messages shown so far (headless), oldest first; tests clear them.
std::vector<ShownMessage> shownMessages();
void clearShownMessages();
// Silences the standard error copy of headless message boxes (tests that
// expect messages keep their output readable).
void setMessageBoxEcho(bool echo);

}  // namespace lx
