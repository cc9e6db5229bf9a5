// What a project may ask of the desktop beyond its windows: joysticks, the
// mouse pointer on the screen, the screen's and the window frames' sizes,
// and the browser or file manager the user has chosen. The windowed
// backend asks SDL; headless, every answer is a fixed one (no joysticks, a
// 1024 by 768 screen) and the pointer is remembered rather than moved.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "platform/platform_window.h"

namespace lx {

// The joysticks attached; their numbers from 1 that are attached and open.
// User-interface thread only (as all of this file but openOnDesktop).
int joystickCount();
std::vector<int> activeJoysticks();

// The pointer in screen pixels (y down), and moving it there.
struct ScreenPoint {
  int x = 0;
  int y = 0;
};
ScreenPoint pointerOnScreen();
void movePointerOnScreen(ScreenPoint to);

// The size `systemmetrics` answers for an index; none for an index that
// means nothing here.
//   0, 1   the screen's width and height
//   2, 3   a vertical scroll bar's width, a horizontal one's height
//   4      a window caption's height
//   5, 6   a thin border's width and height
//   7, 8   a fixed window frame's width and height
//   15     a menu bar's height
//   16, 17 the screen's work area (without panels) width and height
//   32, 33 a resizable window frame's width and height
std::optional<int> systemMetric(int index);

// Every window of the program shows `shape` from now on, until a window
// sets another of its own.
void setProgramCursor(CursorShape shape);
// The shape set last.
CursorShape programCursor();

// Opens a document, a web address or a folder with the desktop's own
// program for it (xdg-open), passing `target` as one argument without a
// shell. False when the opener cannot be started. Any thread.
bool openOnDesktop(const std::string& target);

}  // namespace lx
