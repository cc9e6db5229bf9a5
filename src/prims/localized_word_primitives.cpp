// The language's "any" word and its colour names.
#include "prims/localized_word_primitives.h"

#include "interp/primitive_descs.h"
#include "interp/registry.h"
#include "lang/dictionary.h"
#include "values/list_builder.h"
#include "values/pools.h"

namespace lx {
namespace {

Value anyRoutine() {
  return makeWord(localName("any"));
}

// The colour names a project can count on, as the language spells them:
// white and black, then the sixteen colour families in the order of the
// colour table. Keys of the dictionary's "colors" section.
constexpr const char* kColourKeys[] = {
    "white",     "black", "magenta", "pink",   "purple", "darkBlue", "blue",    "paleBlue", "cyan",
    "darkGreen", "green", "olive",   "yellow", "orange", "taupe",    "paleRed", "red",      "grey",
};

Value lumaxiscoloursRoutine() {
  ListBuilder names;
  for (const char* key : kColourKeys) names.add(makeWord(localEntry("colors", key)));
  return names.finish();
}

}  // namespace

void registerLocalizedWordPrimitives(tLogoTab& table) {
  registerPrimitive<tMainPasProcDesc0p>(table, "any", false, anyRoutine);
  registerPrimitive<tMainPasProcDesc0p>(table, "lumaxiscolours", false, lumaxiscoloursRoutine);
}

}  // namespace lx
