// Object commands: descriptors whose routine works on the object that Logo
// code runs as. The accessor procedures of variables (a getter named after
// the variable, a setter named by its set-name) and the commands that
// kinds of objects declare; protected ones run on the user-interface thread.
#pragma once

#include "interp/logo_stack.h"
#include "interp/proc_desc.h"
#include "objects/multi_object.h"

namespace lx {

// Reads the variable of its own name along the current object's chain.
class tGetFunc : public tProcDesc {
 public:
  explicit tGetFunc(NameCode variable) : tProcDesc(variable, 0, false, false) {}
  void execute(int inputCount) override;
};

// Sets `variable` where the current object's chain has it.
class tSetFunc : public tProcDesc {
 public:
  tSetFunc(NameCode setName, NameCode variable) : tProcDesc(setName, 1, false, false), variable(variable) {}
  void execute(int inputCount) override;
  NameCode variable;
};

// A command of a kind of object: the routine takes its inputs from the
// stack itself and answers a value or none.
using ObjectRoutine = Value (*)(tmultiobject& self, tLogoStack& stack, int inputCount);

class tObjCommand : public tProcDesc {
 public:
  tObjCommand(NameCode name, uint32_t inputs, bool variableInputs, ObjectRoutine routine)
      : tProcDesc(name, inputs, variableInputs, false), routine_(routine) {}
  void execute(int inputCount) override;

 protected:
  ObjectRoutine routine_;
};

// The same, run on the user-interface thread (it touches a window control).
class tProtectedObjProcDesc : public tObjCommand {
 public:
  using tObjCommand::tObjCommand;
  void execute(int inputCount) override;
};

// Adds a command under every localized spelling of `internalName`.
template <class Command = tObjCommand>
void declareCommand(tmultiobject& owner, const char* internalName, uint32_t inputs, ObjectRoutine routine,
                    bool variableInputs = false);

}  // namespace lx

#include "interp/registry.h"

namespace lx {

template <class Command>
void declareCommand(tmultiobject& owner, const char* internalName, uint32_t inputs, ObjectRoutine routine,
                    bool variableInputs) {
  registerPrimitive<Command>(owner.procedures(), internalName, inputs, variableInputs, routine);
}

}  // namespace lx
