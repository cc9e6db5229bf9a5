// The players `openvideo` makes from a style list: a media file opened
// under an alias, with the window style, the control buttons and the
// rectangle the style list asks for. The player has no picture of its
// own: the window is a record of its place, and the file's sound plays.
#pragma once

#include <string>

#include "core/value.h"

namespace lx {

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
// The style of the player of that alias, when there is one.
bool playerStyleOf(const std::string& alias, PlayerStyle& style);

}  // namespace lx
