// Reading lines from the main object's standard destination.
#include "prims/read_primitives.h"

#include "interp/primitive_descs.h"
#include "interp/registry.h"
#include "prims/main_output.h"
#include "values/pools.h"
#include "values/reader.h"

namespace lx {
namespace {

// One line read as Logo text; unbalanced brackets raise the reader's errors.
Value readlistRoutine() {
  const auto line = readMainInputLine();
  if (!line) return tLogoList::empty();
  return readList(*line);
}

// One line as one word, blanks and brackets included.
Value readwordRoutine() {
  return makeWord(readMainInputLine().value_or(""));
}

// Closes the input stream a file would have opened. The main object never
// has one (files are not opened), and the console's input is not a stream
// it may close, so there is nothing to do with the name.
Value readfromRoutine(const Value&) {
  return nullptr;
}

bool eofRoutine() {
  return mainInputAtEnd();
}

}  // namespace

void registerReadPrimitives(tLogoTab& table) {
  registerPrimitive<tMainPasProcDesc0p>(table, "readlist", false, readlistRoutine);
  registerPrimitive<tMainPasProcDesc0p>(table, "readword", false, readwordRoutine);
  registerPrimitive<tMainPasProcDesc1p>(table, "readfrom", false, readfromRoutine);
  registerPrimitive<tMainPasProcDesc0b>(table, "eof?", false, eofRoutine);
}

}  // namespace lx
