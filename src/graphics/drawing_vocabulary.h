// The words a drawing list understands: each is a turtle command or the
// set-command of a turtle property in the current language, paired with the
// code the compiler works with.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace lx {

// The drawing commands, numbered as compiled drawings number them.
enum class DrawCode : uint8_t {
  PenUp = 0,
  PenDown = 1,
  Polygon = 2,
  PenColour = 4,
  FillColour = 5,
  FillPattern = 6,
  PenWidth = 7,
  PenPattern = 8,
  Circle = 9,
  Ellipse = 10,
  FilledCircle = 11,
  FilledEllipse = 12,
  Dot = 13,
  Point = 14,
  SetPos = 15,
  SetHeading = 16,
  Outline = 17,
  DrawSpline = 18,
  DrawVectors = 19,
  Font = 20,
  Label = 21,
  Label2 = 22,
  Forward = 23,
  Back = 24,
  Right = 25,
  Left = 26,
  Repeat = 27,
};

// The command a word names in the current language (any of its spellings,
// compared as names are), or none.
std::optional<DrawCode> drawCodeOf(std::string_view word);
// The main spelling of a command in the current language.
std::string drawWordOf(DrawCode code);

}  // namespace lx
