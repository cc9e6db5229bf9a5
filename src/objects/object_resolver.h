// The resolver through which the evaluator finds what names mean in the
// object world: procedures along the current object's chain, objects by
// name, the default action of an object used as a command, and the
// inherited procedure that "usual'" calls.
#pragma once

#include "interp/procedure_resolver.h"
#include "objects/multi_object.h"

namespace lx {

// The object context of a call of a procedure written in Logo that was
// found in an inherited table: the object the lookup started from, and the
// table the procedure came from. A "usual'" in the procedure looks further
// along the object's chain, after that table.
class tCallContext : public tlogoobject {
 public:
  tCallContext(ObjectRef object, const tLogoTab* table)
      : object(std::move(object)), table(table), tableOwner(asObject(table->ownerObject)) {
    modelKind = ModelKind::CallContext;
  }
  Value copy() const override { return Value(const_cast<tCallContext*>(this)); }
  const char* className() const override { return "tCallContext"; }

  ObjectRef object;
  const tLogoTab* table;  // in the object's chain
  // Keeps the table, and the procedure running from it, alive while the
  // procedure runs, even when its object is destroyed meanwhile.
  ObjectRef tableOwner;
};

// The call context a value is, or nullptr.
inline const tCallContext* asCallContext(const Value& value) {
  return value && value->modelKind == ModelKind::CallContext ? static_cast<const tCallContext*>(value.get()) : nullptr;
}

class ObjectResolver : public ProcedureResolver {
 public:
  tTabDesc* findProcedure(const Value& object, NameCode code) override;
  Value findObject(const Value& from, NameCode code) override;
  tTabDesc* findInherited(const Value& context, NameCode code) override;
  tTabDesc* defaultAction(const Value& from, NameCode code, Value& object) override;
  Value contextOf(const Value& context, const tTabDesc& found) override;
  tLogoTab& ownProcedures(const Value& object) override;
  tLogoVarDesc* objectVariable(const Value& object, NameCode code) override;
};

// The object a value stands for when names are looked up from it: an
// object, the first of an object list, or (for none) the main object.
// A dead object is error 50 naming it.
tmultiobject& lookupObject(const Value& from);

}  // namespace lx
