// tLogoLocaltab: the local variables of one process, with dynamic scope and
// shallow binding. The table holds, for each name that has a local binding
// now, one descriptor with the current value (so reading a local is one
// lookup); the frame stack remembers what each binding hid, to restore it
// when the procedure that made the binding returns.
#pragma once

#include <vector>

#include "interp/logo_stack.h"
#include "interp/var_tab.h"

namespace lx {

class tLogoLocaltab : public tLogoVarTab {
 public:
  tLogoLocaltab() : tLogoVarTab("variablesLabel") { saved_.reserve(128); }

  // Opens a frame and binds `params` (first parameter first) to the top
  // `params.size()` values of `stack`, which are popped: the last parameter
  // takes the top value.
  void pushFrame(const std::vector<NameCode>& params, tLogoStack& stack);
  // Undoes every binding of the newest frame and closes it.
  void popFrame();
  // Binds `code` in the newest frame (error 34 when no frame is open).
  void bindLocal(NameCode code, Value value);
  // Sets the value when the newest frame binds the name already, else binds it.
  void bindOrSetLocal(NameCode code, Value value);
  // Undoes the newest binding of `code` in the newest frame.
  void unbindLocal(NameCode code);
  // Rebinds the parameters of a tail call in the newest frame without saving
  // again, so that tail recursion runs in constant frame space.
  void rebindForTailCall(const std::vector<NameCode>& params, tLogoStack& stack);

  // The descriptor of a name that has a local binding now, or nullptr.
  // (Hides the table's own lookup, which also sees idle descriptors.)
  tLogoVarDesc* variable(NameCode code) const {
    tLogoVarDesc* desc = tLogoVarTab::variable(code);
    return desc && !(desc->flags & kUnbound) ? desc : nullptr;
  }

  size_t frameCount() const { return frames_; }
  // Entries on the frame stack (bindings and frame marks), for tests and limits.
  size_t depth() const { return saved_.size(); }

 private:
  // One entry of the frame stack: a frame mark, or a binding with what it hid.
  struct Saved {
    NameCode code = 0;            // 0 marks a frame; else the bound name
    Value value;                  // the value the binding hid
    bool hadEntry = false;        // whether the name had a local descriptor before
    size_t previousFrameSize = 0; // for frame marks
  };

  // A descriptor whose name has no binding now. Unbinding keeps the
  // descriptor for the next binding of the name instead of destroying it:
  // procedure calls bind their parameters every time, and making and
  // unlinking descriptors would cost an allocation and a lock per call.
  static constexpr uint8_t kUnbound = 64;

  void bind(NameCode code, Value value);
  void unbind(NameCode code);
  bool frameBinds(NameCode code) const;

  std::vector<Saved> saved_;
  size_t frameSize_ = 0;  // bindings in the newest frame
  size_t frames_ = 0;
};

}  // namespace lx
