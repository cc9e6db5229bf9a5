// Sorting a list: numbers in numeric order, lists by their leading numbers,
// everything else by its upper-cased print text.
#pragma once

#include "values/list.h"

namespace lx {

// A new sorted list; a list of fewer than two elements answers itself.
Value listSort(const tLogoList& list);

}  // namespace lx
