// Compiling a drawing list — words such as «[repeat 4 [forward 50 right 90]]»
// or the number form «[4 [50 90]]» — into drawing items in the list's own
// frame. The list is walked with a stack of its own, so nesting costs no
// recursion; a list that would take too much work to draw is refused.
//
// Errors are Logo errors naming the drawing command at fault: 93 for a word
// that is no drawing command (or a word move after the number form), 94-103
// for a command whose input is missing, 104 for a bare number after the word
// form, and the usual input errors (6, 8, 10, 12, 13, 16, 26) for inputs of
// the wrong kind. No items survive an error.
#pragma once

#include <cstddef>
#include <vector>

#include "graphics/drawing_items.h"
#include "values/list.h"

namespace lx {

// A repeat runs its list at most this often.
inline constexpr int kMaxDrawingRepeat = 10000;
// The most elements, repeats, arc points and labels (by their length) one
// list may cost to compile, and the most items and points (smoothed curves
// included) it may make: beyond them the list is refused with error 43
// rather than taking the process's time and memory.
inline constexpr size_t kDrawingWorkLimit = 1000000;
inline constexpr size_t kMaxDrawingItems = 100000;
inline constexpr size_t kMaxDrawingPoints = 1000000;
// Points further than this from the list's start are refused (error 43).
inline constexpr long double kFarDrawing = 1e9;

std::vector<DrawItem> compileDrawing(const tLogoList& list, const DrawAttributes& start);

}  // namespace lx
