// The font a turtle labels with, and its Logo value: the list
// [face size-list], with the face as a list of words and size-list the six
// integers size, weight, italic+underline+strike-out, two flag bits and the
// character set, for example [[Tahoma] [8 700 0 0 0 238]].
#pragma once

#include <cstdint>
#include <string>

#include "core/value.h"

namespace lx {

struct TurtleFont {
  enum Style : uint8_t { Bold = 1, Italic = 2, Underline = 4, StrikeOut = 8 };
  enum Flag : uint8_t { BaselineAnchor = 2 };

  int size = 10;             // points
  uint8_t style = 0;         // Style bits
  uint8_t characterSet = 1;  // the platform's default character set
  std::string face = "System";
  uint8_t flags = 0;  // Flag bits; bit 0 is kept but means nothing here

  bool bold() const { return style & Bold; }
  bool italic() const { return style & Italic; }
  bool underline() const { return style & Underline; }
  bool strikeOut() const { return style & StrikeOut; }
  bool baselineAnchor() const { return flags & BaselineAnchor; }
  bool operator==(const TurtleFont&) const = default;
};

Value fontValue(const TurtleFont& font);
// The font a value names: error 6 when it is not a list, 10 when it is
// not [face size-list] with a non-empty face and whole numbers.
TurtleFont fontFromValue(const Value& value);

}  // namespace lx
