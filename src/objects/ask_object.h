// tAskObject: the value that stands for several objects addressed at once
// (`tell [t1 t2]`, `ask [t1 t2] [...]`) while it is the current object.
//
// The rule for calls made while it is current: a procedure that the
// objects' class provides (found along the first object's chain in a table
// that is not the main object's) reaches every object of the list in turn,
// each one current while it runs — `tell [t1 t2]` then `forward 100` moves
// both. As an operation such a procedure answers for the first object
// alone. Procedures of the main object (`print`, `repeat`...) run once.
#pragma once

#include <memory>
#include <vector>

#include "interp/proc_desc.h"
#include "objects/multi_object.h"

namespace lx {

class tAskObject : public tlogoobject {
 public:
  explicit tAskObject(tlogoobjectlist objects) : objects(std::move(objects)) { modelKind = ModelKind::AskGroup; }
  Value copy() const override { return Value(const_cast<tAskObject*>(this)); }
  const char* className() const override { return "tAskObject"; }
  std::string printText(int level = -1) const override;

  // What `code` calls while this value is current: a descriptor that calls
  // the procedure for every object, or the main object's procedure itself;
  // nullptr when the first object has no such procedure.
  tTabDesc* procedure(NameCode code);
  // The first object of the list that is still there, or nullptr.
  tmultiobject* firstAlive() const;

  tlogoobjectlist objects;  // two or more, in address order

 private:
  std::vector<std::unique_ptr<tProcDesc>> broadcasts_;  // made on demand, kept while this lives
};

// The group of objects of a value, or nullptr when it is none.
inline tAskObject* asAskGroup(const Value& value) {
  return value && value->modelKind == ModelKind::AskGroup ? static_cast<tAskObject*>(value.get()) : nullptr;
}

}  // namespace lx
