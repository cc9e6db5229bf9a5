// Procedures written in Logo. tLogoProcDescF takes a fixed number of inputs,
// one per parameter; tLogoProcDescV collects all its inputs into one list
// bound to its single parameter. Both run their body as a list of lines,
// with the parameters bound as locals of a new frame, and both can be
// called in tail position, rebinding the frame instead of making a new one.
#pragma once

#include <string>
#include <vector>

#include "core/logo_exception.h"
#include "interp/proc_desc.h"

namespace lx {

class tLogoProcDesc : public tProcDesc {
 public:
  // `body` is a list of line lists, or a word. `sourceText` is the
  // definition text when the procedure was defined from text.
  tLogoProcDesc(NameCode name, std::vector<NameCode> params, Value body, std::string sourceText,
                uint32_t defaultInputs, bool variableInputs);

  void asCommand(int inputCount) override { call(inputCount, false, false); }
  void execute(int inputCount) override { call(inputCount, false, false); }
  // As a function a procedure never leaves a tail call: its value must come
  // from `output`.
  void asFunction(int inputCount) override { call(inputCount, false, true); }
  void asCommandNoTail(int inputCount) override { call(inputCount, false, true); }
  void asFunctionNoTail(int inputCount) override { call(inputCount, false, true); }
  void asTailCall(int inputCount) override { call(inputCount, true, false); }

  bool mayErase() const override { return activations == 0; }
  std::string definitionText() const override;
  Value definitionList() const override;

  // The line of the body, counted from the first line after the title, on
  // which the error's innermost failing instruction stands; -1 when unknown.
  int32_t errorLine(const eLogoException& e) const;

  std::string sourceText;
  Value body;
  std::vector<NameCode> params;

 protected:
  // Checks and arranges the inputs on the stack before they are bound.
  virtual void prepareInputs(int inputCount) = 0;
  virtual std::string parameterText() const;

 private:
  void call(int inputCount, bool tail, bool noTail);
};

class tLogoProcDescF : public tLogoProcDesc {
 public:
  tLogoProcDescF(NameCode name, std::vector<NameCode> params, Value body, std::string sourceText = {});

 protected:
  void prepareInputs(int inputCount) override;
};

class tLogoProcDescV : public tLogoProcDesc {
 public:
  // `param` receives the list of all inputs; `defaultInputs` is the count
  // taken without parentheses.
  tLogoProcDescV(NameCode name, NameCode param, uint32_t defaultInputs, Value body, std::string sourceText = {});

 protected:
  void prepareInputs(int inputCount) override;
  std::string parameterText() const override;
};

}  // namespace lx
