// Gliding along a path step by step.
#include "graphics/turtle_glide.h"

#include <chrono>
#include <cmath>
#include <numbers>
#include <thread>

#include "graphics/turtle_object.h"
#include "interp/evaluator.h"
#include "core/logo_exception.h"
#include "lang/dictionary.h"
#include "core/name_codes.h"
#include "objects/object_accessors.h"
#include "values/list.h"
#include "values/list_builder.h"
#include "values/pools.h"
#include "values/vector_arithmetic.h"

namespace lx {
namespace {

struct GlideSettings {
  long double step = 5;
  long double wait = 30;
  Value todo;  // none: wait; an empty list: neither wait nor action
};

long double numberSetting(const Value& value) {
  if (!value->isNumber()) throw eLogoException(erExpectNumber, value);
  return std::fabs(value->asReal());
}

// The pairs of localized parameter words and values (error 10 for an
// unknown word or a missing value, 12 for a number that is none).
GlideSettings settingsOf(const Value& parameters) {
  const tLogoList* list = asList(*parameters);
  if (!list) throw eLogoException(erExpectList, parameters);
  GlideSettings settings;
  for (auto it = list->begin(); it != list->end(); ++it) {
    const Value& name = *it;
    if (++it == list->end() || !name->isWord()) throw eLogoException(erBadStructure, parameters);
    const Value& value = *it;
    const std::string word = name->wordText();
    if (isLocalEntry("param", "step", word)) {
      settings.step = numberSetting(value);
      if (settings.step == 0) settings.step = 1;
    } else if (isLocalEntry("param", "wait", word)) {
      settings.wait = numberSetting(value);
    } else if (isLocalEntry("param", "todo", word)) {
      if (!value->isList()) throw eLogoException(erExpectList, value);
      settings.todo = value;
    } else {
      throw eLogoException(erBadStructure, name);
    }
  }
  return settings;
}

// Between steps: the `todo` list, or the `wait` primitive (waiting in
// sixtieths of a second by itself while no process library provides it).
void pause(tmultiobject& self, const GlideSettings& settings) {
  if (settings.todo) {
    if (!settings.todo->isEmpty()) runValue(*settings.todo);
    return;
  }
  const NameCode wait = codeOf(localName("wait"));
  if (self.findProcedure(wait)) {
    ListBuilder call;
    call.add(makeWord(localName("wait")));
    call.add(makeReal(settings.wait));
    runValue(*call.finish());
    return;
  }
  std::this_thread::sleep_for(std::chrono::microseconds(static_cast<long long>(settings.wait * 1e6L / 60)));
}

Value glide(tmultiobject& self, tLogoStack& stack, int) {
  const Value parameters = stack.take(), path = stack.take();
  const GlideSettings settings = settingsOf(parameters);
  const tLogoList* elements = asList(*path);
  if (!elements) throw eLogoException(erExpectList, path);
  tLogoTurtleParams& turtle = turtleOf(self);
  const PenMode saved = turtle.penMode;
  const long double h0 = turtle.heading() * std::numbers::pi_v<long double> / 180;
  turtle.penMode = PenMode::Up;
  long double unfinished = 0;  // what is left of a step that the element before began
  try {
    for (const Value& element : *elements) {
      const tLogoList* step = asList(*element);
      if (!step) throw eLogoException(erExpectList, element);
      if (step->isEmpty()) {
        turtle.penMode = PenMode::Up;
        continue;
      }
      if (!isPoint(*step)) throw eLogoException(erExpectList2, element);
      const long double sx = step->element()->asReal(), sy = step->rest()->element()->asReal();
      const long double dx = sx * std::cos(h0) + sy * std::sin(h0),
                        dy = sy * std::cos(h0) - sx * std::sin(h0);
      turtle.setHeading(bearingOf(dx, dy));
      long double left = std::sqrt(dx * dx + dy * dy);
      while (left > 0) {
        const long double take = unfinished > 0 ? unfinished : settings.step;
        const long double length = std::min(left, take);
        turtle.forward(length);
        left -= length;
        unfinished = take - length;
        if (unfinished <= 0) pause(self, settings);
      }
      turtle.penMode = saved;
    }
  } catch (...) {
    turtle.penMode = saved;
    throw;
  }
  turtle.penMode = saved;
  return nullptr;
}

}  // namespace

void declareTurtleGlide(tmultiobject& prototype) {
  declareCommand(prototype, "glide", 2, glide);
}

}  // namespace lx
