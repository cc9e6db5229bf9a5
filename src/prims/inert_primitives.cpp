// The inert and the refusing primitives.
#include "prims/inert_primitives.h"

#include "core/logo_exception.h"
#include "interp/primitive_descs.h"
#include "interp/registry.h"
#include "values/list.h"
#include "values/pools.h"

namespace lx {
namespace {

enum class Answer { Nothing, EmptyList, False, Zero, Two, FirstInput, RefuseSaving, RefusePrinting };

template <Answer A>
Value inert(tLogoStack& stack, int count) {
  std::vector<Value> inputs = stack.takeInputs(count);
  switch (A) {
    case Answer::Nothing: return nullptr;
    case Answer::EmptyList: return tLogoList::empty();
    case Answer::False: return makeBool(false);
    case Answer::Zero: return makeInt(0);
    case Answer::Two: return makeInt(2);
    case Answer::FirstInput: return inputs.empty() ? nullptr : inputs.front();
    case Answer::RefuseSaving: throw eLogoException(erNoSave);
    case Answer::RefusePrinting: throw eLogoException(erNoPrint);
  }
  return nullptr;
}

// An inert primitive that takes exactly its inputs: one more or fewer is an
// error, as for the primitives that do something.
class tInertFixedDesc : public tMainPasProcDesc {
 public:
  tInertFixedDesc(NameCode name, uint32_t inputs, Routine routine) : tMainPasProcDesc(name, false, inputs, routine) {
    variableInputs = false;
  }
};

struct InertEntry {
  const char* name;
  uint32_t inputs;
  bool anyCount = false;  // takes any number of inputs in parentheses
};

template <Answer A>
void registerAll(tLogoTab& table, std::initializer_list<InertEntry> entries) {
  for (const InertEntry& e : entries) {
    if (e.anyCount)
      registerPrimitive<tMainPasProcDesc>(table, e.name, false, e.inputs, inert<A>);
    else
      registerPrimitive<tInertFixedDesc>(table, e.name, e.inputs, inert<A>);
  }
}

}  // namespace

void registerInertPrimitives(tLogoTab& table) {
  registerAll<Answer::Nothing>(
      table, {{"home", 0}, {"destroy", 0}, {"bye", 0, true}, {"edit", 1, true}, {"showdocument", 1, true},
              {"showbuttons", 0}, {"hidebuttons", 0}, {"setbuttons", 1, true}, {"setbuttonssize", 1},
              {".setbubblewindow", 1}, {"setbury", 1}, {"closeExplorer", 0}, {"changeme", 0}, {"eraseall", 0},
              {"loadtable", 1}, {"unpackwebproject", 1}});
  for (const char* device : {"out", "outW", "outD"})
    registerLiteral<tInertFixedDesc>(table, device, 2u, inert<Answer::Nothing>);
  registerAll<Answer::EmptyList>(table, {{"buttons", 0, true}, {"buttonssize", 0}, {".bubblewindow", 0},
                                         {"openprojectchooser", 0}, {"filelist", 1, true}, {"folderlist", 1},
                                         {"loadtext", 1}});
  registerAll<Answer::False>(table, {{"file?", 1}, {"explorer?", 0}, {".changed?", 0}});
  for (const char* device : {"in", "inW", "inD"})
    registerLiteral<tInertFixedDesc>(table, device, 1u, inert<Answer::Zero>);
  registerAll<Answer::Two>(table, {{"runprogram", 1, true}});
  registerAll<Answer::FirstInput>(table, {{"toscreen", 1}, {"toobject", 1}, {"toabsolute", 1}, {"tocartesian", 1}});
  registerAll<Answer::RefuseSaving>(
      table, {{"erasefile", 1}, {"erasefile?", 1}, {"renamefile", 2}, {"renamefile?", 2}, {"erasefolder", 1},
              {"erasefolder?", 1}, {"createfolder", 1}, {"createfolder?", 1}, {"savetext", 2}, {"appendtext", 2},
              {"savechooser", 3}, {"saveprojectchooser", 0}, {"savepicturechooser", 1}, {"saveforweb", 3, true}});
  registerAll<Answer::RefusePrinting>(table, {{"printersetup", 0}});
}

}  // namespace lx
