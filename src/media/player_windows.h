// The players `openvideo` makes from a style list: a media file opened
// under an alias, shown in a window of its own (player_panel.h) at the
// rectangle the style list asks for, with the control buttons when asked.
// The file's sound plays; video pictures are not decoded.
#pragma once

#include <memory>
#include <string>

#include "core/value.h"

namespace lx {

class PlatformWindow;

struct PlayerStyle {
  enum class Kind { Child, ChildBorder, ChildCaption, Overlapped, Sizeable, Full, Bits };
  Kind kind = Kind::Child;
  int64_t bits = 0;      // for Bits: the style as a number
  bool buttons = false;  // the player's control buttons are shown
  int left = 0, top = 0, right = 0, bottom = 0;
  bool child() const {
    return kind == Kind::Child || kind == Kind::ChildBorder || kind == Kind::ChildCaption;
  }
};

// Reads a style list: a style name (after "BUTTONS" when the buttons are
// shown) or a number, then the rectangle as two corners; error 9 for a
// name it does not know.
PlayerStyle readPlayerStyle(const Value& style);

// Opens the file under the alias as a player; answers its window number.
int openPlayerWindow(const std::string& alias, const Value& style, const std::string& file);
// Closes the player of that alias and its file; false when there is none.
bool closePlayerWindow(const std::string& alias);
// Closes every player and its window (the program ends).
void closeAllPlayerWindows();
// The style of the player of that alias, when there is one.
bool playerStyleOf(const std::string& alias, PlayerStyle& style);
// The window of the player of that alias; null when there is none.
std::shared_ptr<PlatformWindow> playerWindowOf(const std::string& alias);

}  // namespace lx
