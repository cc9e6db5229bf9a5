// Helpers shared by the list, reader and printer tests: reading text into
// values, showing them, catching Logo errors, and setting the strict option
// for one test.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "core/global_options.h"
#include "core/logo_exception.h"
#include "values/list.h"
#include "values/pools.h"
#include "values/reader.h"

namespace lx::testing {

// The list read from `text`.
inline Ref<tLogoList> read(std::string_view text) { return readList(text); }
// The single value read from `text`.
inline Value read1(std::string_view text) { return read(text)->element(); }
// The show form at level 0 (a list without its outer brackets).
inline std::string shown(const Value& value) { return value->showText(0); }
inline std::string printed(const Value& value) { return value->printText(0); }
inline const tLogoList& L(const Value& value) { return *asList(*value); }

// The code of the Logo error `action` raises (a test failure when none).
inline errorConst errorOf(auto&& action) {
  try {
    action();
  } catch (const eLogoException& e) {
    return e.code;
  }
  ADD_FAILURE() << "no Logo error raised";
  return erUnexpected;
}

// Sets the strict option for as long as it lives.
class StrictOption {
 public:
  explicit StrictOption(int level) : saved_(globalOptions().strict) { globalOptions().strict = level; }
  ~StrictOption() { globalOptions().strict = saved_; }

 private:
  int saved_;
};

}  // namespace lx::testing
