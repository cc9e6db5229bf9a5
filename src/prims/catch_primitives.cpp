// Catching errors and thrown tags.
#include "prims/catch_primitives.h"

#include <algorithm>

#include "core/control_exceptions.h"
#include "interp/error_messages.h"
#include "interp/evaluator.h"
#include "interp/primitive_descs.h"
#include "interp/registry.h"
#include "lang/dictionary.h"
#include "lang/name_comparison.h"
#include "values/list_builder.h"
#include "values/pools.h"

namespace lx {
namespace {

// The line-break substitute of Logo text, which joins the lines of a caught
// error's message.
constexpr char kLineBreakSubstitute = '\xB6';

std::string tagText(const Value& tag) { return lowerCase(tag->printText(0)); }

bool isErrorTag(const std::string& tag) { return isLocalEntry("other", "error", tag); }
bool isTopLevelTag(const std::string& tag) { return isLocalName("toplevel", tag); }

void recordCaught(ThreadState& state, const std::exception& error) {
  CaughtError& caught = state.caughtError;
  caught = CaughtError{};
  caught.pending = true;
  if (const auto* logoError = dynamic_cast<const eLogoException*>(&error)) {
    eLogoException e = *logoError;
    expandOnce(e);
    caught.code = e.code;
    caught.message = breakFirstLine(e, std::string(1, kLineBreakSubstitute));
    caught.primitive = e.primName;
    caught.value = e.value;
    caught.nameCode = e.nameCode;
  } else {
    caught.message = error.what();
  }
}

// Removes the tag however `catch` ends.
class ActiveTag {
 public:
  ActiveTag(ThreadState& state, std::string tag) : state_(state) { state_.activeTags.push_back(std::move(tag)); }
  ~ActiveTag() { state_.activeTags.pop_back(); }

 private:
  ThreadState& state_;
};

Value catchTag(const Value& tagInput, const Value& list) {
  ThreadState& state = threadState();
  const std::string tag = tagText(tagInput);
  ActiveTag active(state, tag);
  const size_t height = state.stack.count();
  auto caught = [&] {
    state.stack.dropTo(height);
    state.tailCall = {};
    state.stopFlag = false;
  };
  if (isErrorTag(tag)) {
    try {
      runValue(*list);
    } catch (const ethrow&) {
      throw;
    } catch (const eTerminateException&) {
      throw;
    } catch (const std::exception& error) {
      recordCaught(state, error);
      caught();
    }
  } else if (isTopLevelTag(tag)) {
    try {
      runValue(*list);
    } catch (const eTerminateException& end) {
      if (!end.selfEnded) throw;
      caught();
    }
  } else {
    try {
      runValue(*list);
    } catch (const ethrow& thrown) {
      if (thrown.tag != tag) throw;
      caught();
    }
  }
  return nullptr;
}

Value throwTag(const Value& tagInput) {
  const std::string tag = tagText(tagInput);
  if (isTopLevelTag(tag)) throw eTerminateException(true);
  const auto& active = threadState().activeTags;
  if (std::find(active.begin(), active.end(), tag) == active.end())
    throw eLogoException::withWord(erNoCatch, tag);
  throw ethrow(tag);
}

Value throwError(const Value& message, const Value& value) {
  throw eLogoException::withMessage(message->printText(0), value);
}

Value wordOrEmptyList(const std::string& text) {
  return text.empty() ? Value(tLogoList::empty()) : Value(makeWord(text));
}

Value caughtError() {
  CaughtError& caught = threadState().caughtError;
  if (!caught.pending) return tLogoList::empty();
  caught.pending = false;
  std::string message = caught.message;
  for (char& c : message)
    if (c == kLineBreakSubstitute) c = '\r';
  ListBuilder items;
  items.add(makeInt(caught.code));
  items.add(makeWord(message));
  items.add(wordOrEmptyList(caught.procedure));
  items.add(makeInt(caught.line));
  items.add(wordOrEmptyList(caught.primitive));
  if (caught.value)
    items.add(caught.value);
  else
    items.add(caught.nameCode ? Value(makeWord(nameOf(caught.nameCode))) : Value(tLogoList::empty()));
  caught.value = nullptr;
  return items.finish();
}

}  // namespace

void registerCatchPrimitives(tLogoTab& table) {
  registerPrimitive<tMainPasProcDesc2p>(table, "catch", false, catchTag);
  registerPrimitive<tMainPasProcDesc1p>(table, "throw", false, throwTag);
  registerPrimitive<tMainPasProcDesc2p>(table, "throwerror", false, throwError);
  registerPrimitive<tMainPasProcDesc0p>(table, "error", false, caughtError);
}

}  // namespace lx
