// Type tests of one value.
#include "prims/type_primitives.h"

#include "interp/primitive_descs.h"
#include "interp/registry.h"
#include "core/value.h"

namespace lx {
namespace {

// The empty word or the empty list.
bool emptyP(const Value& v) {
  return v->isEmpty() && (v->isWord() || v->isList());
}
// Numbers and booleans are words too.
bool wordP(const Value& v) {
  return v->isWord();
}
bool listP(const Value& v) {
  return v->isList();
}
// A text word that reads as a number counts; a truth value does not.
bool numberP(const Value& v) {
  return v->isNumber();
}
bool imageP(const Value& v) {
  return v->isImage();
}

}  // namespace

void registerTypePrimitives(tLogoTab& table) {
  registerPrimitive<tMainPasProcDesc1b>(table, "empty?", false, emptyP);
  registerPrimitive<tMainPasProcDesc1b>(table, "word?", false, wordP);
  registerPrimitive<tMainPasProcDesc1b>(table, "list?", false, listP);
  registerPrimitive<tMainPasProcDesc1b>(table, "number?", false, numberP);
  registerPrimitive<tMainPasProcDesc1b>(table, "image?", false, imageP);
}

}  // namespace lx
