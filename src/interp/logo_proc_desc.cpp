// Calling procedures written in Logo, their definition text and error lines.
#include "interp/logo_proc_desc.h"

#include "interp/compiled_list.h"
#include "interp/error_messages.h"
#include "interp/evaluator.h"
#include "core/logo_exception.h"
#include "interp/logo_tab.h"
#include "interp/thread_state.h"
#include "lang/dictionary.h"
#include "values/list_builder.h"
#include "values/pools.h"
#include "values/reader.h"

namespace lx {

tLogoProcDesc::tLogoProcDesc(NameCode name, std::vector<NameCode> params, Value body, std::string sourceText,
                             uint32_t defaultInputs, bool variableInputs)
    : tProcDesc(name, defaultInputs, variableInputs, false),
      sourceText(std::move(sourceText)),
      body(std::move(body)),
      params(std::move(params)) {
  tailCallable = true;
  writtenInLogo = true;
}

tLogoProcDescF::tLogoProcDescF(NameCode name, std::vector<NameCode> params, Value body, std::string sourceText)
    : tLogoProcDesc(name, params, std::move(body), std::move(sourceText), static_cast<uint32_t>(params.size()),
                    false) {}

void tLogoProcDescF::prepareInputs(int inputCount) {
  if (inputCount < static_cast<int>(params.size())) throw eLogoException::withPrim(erNotEnoughInputs, name);
  if (inputCount > static_cast<int>(params.size())) throw eLogoException::withPrim(erTooManyInputs, name);
}

tLogoProcDescV::tLogoProcDescV(NameCode name, NameCode param, uint32_t defaultInputs, Value body,
                               std::string sourceText)
    : tLogoProcDesc(name, {param}, std::move(body), std::move(sourceText), defaultInputs, true) {}

void tLogoProcDescV::prepareInputs(int inputCount) {
  tLogoStack& stack = threadState().stack;
  std::vector<Value> inputs = stack.takeInputs(inputCount);
  ListBuilder all;
  for (Value& input : inputs) all.add(std::move(input));
  stack.push(all.finish());
}

// Restores the caller's side of the thread state however the body ends.
class ActivationGuard {
 public:
  ActivationGuard(ThreadState& state, tLogoProcDesc& desc, bool noTail)
      : state_(state),
        desc_(desc),
        callerContext_(state.procedureContext),
        savedNesting_(state.runNesting),
        savedTest_(state.testState) {
    state_.testState = ThreadState::TestState::Unset;
    state_.procedureContext = state_.callContext;
    state_.runNesting = noTail ? 1 : 0;
    ++desc_.activations;
  }
  ~ActivationGuard() {
    --desc_.activations;
    state_.procedureContext = std::move(callerContext_);
    state_.runNesting = savedNesting_;
    state_.testState = savedTest_;
    if (!state_.tailCall) state_.locals.popFrame();
  }

 private:
  ThreadState& state_;
  tLogoProcDesc& desc_;
  Value callerContext_;
  int savedNesting_;
  ThreadState::TestState savedTest_;
};

void tLogoProcDesc::call(int inputCount, bool tail, bool noTail) {
  ThreadState& state = threadState();
  prepareInputs(inputCount);
  if (tail)
    state.locals.rebindForTailCall(params, state.stack);
  else
    state.locals.pushFrame(params, state.stack);
  const size_t height = state.stack.count();
  ActivationGuard activation(state, *this, noTail);
  try {
    const bool stopped = runValue(*body, kLines);
    if (!stopped) {
      state.stack.pushNone();
    } else if (!state.tailCall) {
      state.stack.dropTo(height);
      state.stack.push(std::move(state.pendingOutput));
      state.pendingOutput = nullptr;
      state.stopFlag = false;
    }
  } catch (eLogoException& e) {
    // A tail call left pending by the failing body is void now.
    state.tailCall = {};
    annotate(e, name, table ? table->ownerObject : nullptr, errorLine(e), ipProc);
    throw;
  }
}

std::string tLogoProcDesc::parameterText() const {
  std::string text;
  for (NameCode param : params) text += " :" + nameOf(param);
  return text;
}

std::string tLogoProcDescV::parameterText() const {
  return " :" + nameOf(params.front()) + " [" + std::to_string(defaultInputs) + "]";
}

std::string tLogoProcDesc::definitionText() const {
  if (!sourceText.empty()) return sourceText;
  std::string text = localEntry("other", "to") + " " + nameOf(name) + parameterText() + "\r\n";
  if (const tLogoList* lines = asList(*body)) {
    for (const Value& line : *lines) text += " " + line->printText(0) + "\r\n";
  } else {
    text += body->printText(0) + "\r\n";
  }
  return text + localEntry("other", "end");
}

Value tLogoProcDesc::definitionList() const {
  ListBuilder inputs;
  for (NameCode param : params) inputs.add(makeWord(nameOf(param)));
  ListBuilder whole;
  whole.add(inputs.finish());
  if (const tLogoList* lines = asList(*body)) {
    for (const Value& line : *lines) whole.add(line);
  } else {
    whole.add(body);
  }
  return whole.finish();
}

namespace {

// The words inside a list constant, counted into nested lists, as the
// scanner counts the words of its text.
int wordsInside(const tlogoobject& value) {
  const tLogoList* list = asList(value);
  if (!list) return 1;
  int count = 0;
  for (const Value& element : *list) count += element->isList() ? wordsInside(*element) : 1;
  return count;
}

// The body's text as the error line is counted in: CR LF line ends, no
// title line, no final "end", no comment lines.
std::string bodyTextForLines(const std::string& definition) {
  std::vector<std::string> lines;
  std::string current;
  for (size_t i = 0; i < definition.size(); ++i) {
    const char c = definition[i];
    if (c == '\r' || c == '\n') {
      if (c == '\r' && i + 1 < definition.size() && definition[i + 1] == '\n') ++i;
      lines.push_back(current);
      current.clear();
    } else {
      current += c;
    }
  }
  if (!current.empty()) lines.push_back(current);
  if (!lines.empty() && isLocalEntry("other", "end", trimBlanks(lines.back()))) lines.pop_back();
  std::string text;
  for (size_t i = 1; i < lines.size(); ++i) {
    const std::string_view trimmed = trimBlanks(lines[i]);
    if (!trimmed.empty() && trimmed.front() == ';') continue;
    text += lines[i] + "\r\n";
  }
  return text;
}

}  // namespace

int32_t tLogoProcDesc::errorLine(const eLogoException& e) const {
  if (e.trace.empty()) return -1;
  try {
    CompiledPtr level = compiled(*body, kLines);
    int n = 0;
    for (size_t i = e.trace.size(); i-- > 0;) {
      const int position = e.trace[i];
      if (i == 0 || position < 1 || position > static_cast<int>(level->tokens.size())) {
        n += position;
        break;
      }
      const CodeToken& failing = level->tokens[position - 1];
      if (failing.kind != Tok::Constant || !failing.constant->isList()) {
        n += position;
        break;
      }
      n += position - 1;
      for (int k = 0; k < position - 1; ++k) {
        const CodeToken& before = level->tokens[k];
        if (before.kind == Tok::Constant && before.constant->isList()) n += wordsInside(*before.constant) - 1;
      }
      level = compiled(*failing.constant, kInstructions);
    }
    return lineOfToken(bodyTextForLines(definitionText()), n);
  } catch (...) {
    return -1;
  }
}

}  // namespace lx
