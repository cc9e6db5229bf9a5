// `output` and `stop`: the evaluator recognises them by their `special`
// mark and turns them into the pending output and the stop flag that end
// the running procedure.
#pragma once

#include "interp/proc_desc.h"

namespace lx {

class tOutput : public tProcDesc {
 public:
  explicit tOutput(NameCode name) : tProcDesc(name, 1, false, true) { special = Output; }
};

class tStop : public tProcDesc {
 public:
  explicit tStop(NameCode name) : tProcDesc(name, 0, false, false) { special = Stop; }
};

}  // namespace lx
