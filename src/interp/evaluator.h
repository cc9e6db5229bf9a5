// The evaluator: runs compiled instruction lists with a recursive-descent
// parser that evaluates as it parses. Every value passes through the
// thread's value stack; every call finds its inputs there and leaves one
// entry, its output or none.
//
// Layer: interp, above values. Tables and descriptors, the value stack, this
// evaluator, Logo procedures, error messages, processes and the interpreter
// lock; objects and primitives plug into it through its tables.
#pragma once

#include "interp/compiled_list.h"
#include "interp/proc_desc.h"
#include "interp/thread_state.h"

namespace lx {

// Runs the instructions of `code` until its end or until the stop flag is
// set (by `output`, `stop` or a tail call); answers the stop flag.
bool runList(const CompiledPtr& code);
// Runs a value as instructions: a list, or a word read into one.
bool runValue(const tlogoobject& value, CompileKind kind = kInstructions);

// Evaluates `code` as an expression and answers its value, or none.
Value evaluateList(const CompiledPtr& code);
Value evaluateValue(const tlogoobject& value);

// Calls `desc` with the `inputCount` inputs on the stack, from a primitive
// (not from Logo text): as a function its value (none raises error 33
// naming it), as a command none (a value is error 2). Runs the tail calls
// the call leaves; a pending `output` or `stop` is left to the caller.
Value callDescriptor(tProcDesc& desc, int inputCount, bool wantValue);

// Runs the pending tail calls of the thread (after a command left one).
void runTrampoline(ThreadState& state);

}  // namespace lx
